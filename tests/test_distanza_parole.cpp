#include <gtest/gtest.h>

#include <string>

#include "avvisi/distanza_parole.h"

namespace {

struct caso_distanza {
    std::string a;
    std::string b;
    std::size_t limite;
    std::size_t attesa;
};

std::string lunga(char ultima) {
    return std::string(80, 'v') + ultima;
}

class DistanzaParole : public testing::TestWithParam<caso_distanza> {};

TEST_P(DistanzaParole, CountsEditsUpToOnePastTheLimit) {
    const caso_distanza& c = GetParam();
    EXPECT_EQ(distanza_parole(c.a, c.b, c.limite), c.attesa);
    EXPECT_EQ(distanza_parole(c.b, c.a, c.limite), c.attesa);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DistanzaParole,
    testing::Values(caso_distanza{"velocita", "velocita", 2, 0},
                    caso_distanza{"velocita", "VELOCITA", 0, 0},
                    caso_distanza{"velocita", "velocta", 2, 1},
                    caso_distanza{"velocita", "vleocita", 2, 2}, caso_distanza{"abc", "xyz", 2, 3},
                    caso_distanza{"curva", "curvatura", 2, 3}, caso_distanza{"", "ab", 2, 2},
                    // Words longer than any keyword take the other storage of the rows.
                    caso_distanza{lunga('a'), lunga('b'), 2, 1},
                    caso_distanza{lunga('a'), lunga('a') + "xy", 2, 2},
                    caso_distanza{lunga('a'), "v", 2, 3}));

}  // namespace
