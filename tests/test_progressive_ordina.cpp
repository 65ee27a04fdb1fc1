#include <gtest/gtest.h>

#include <array>

#include "model/form1.h"

namespace {

using terna = std::array<std::int32_t, 3>;

struct caso {
    const char* nome;
    terna tre, due, uno;  // as read into rows 81, 82, 83
    terna r81, r82, r83;  // after ordering
};

class ProgressiveOrdina : public testing::TestWithParam<caso> {};

TEST_P(ProgressiveOrdina, OrdinaLeTerne) {
    const caso& c = GetParam();
    Form1 f;
    auto metti = [&](int r, const terna& t) {
        f.tabella_sim[r].inizio = t[0];
        f.tabella_sim[r].fine = t[1];
        f.tabella_sim[r].posizione = t[2];
        f.tabella_sim[r].nome = "intatto";
    };
    auto leggi = [&](int r) {
        return terna{f.tabella_sim[r].inizio, f.tabella_sim[r].fine, f.tabella_sim[r].posizione};
    };
    metti(81, c.tre);
    metti(82, c.due);
    metti(83, c.uno);
    f.progressive_ordina();
    EXPECT_EQ(leggi(81), c.r81);
    EXPECT_EQ(leggi(82), c.r82);
    EXPECT_EQ(leggi(83), c.r83);
    EXPECT_EQ(f.tabella_sim[81].nome, "intatto");
}

constexpr terna zero{0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Casi, ProgressiveOrdina,
    testing::Values(caso{"tutto_zero", zero, zero, zero, zero, zero, zero},
                    caso{"decrescente_per_inizio",
                         {1000, 2000, 0},
                         {3000, 4000, 0},
                         {2000, 2500, 1},
                         {3000, 4000, 0},
                         {2000, 2600, 1},
                         {1000, 2000, 0}},
                    caso{"inizi_uguali_prima_uno",
                         {3000, 3500, 0},
                         {1000, 1200, 0},
                         {1000, 1300, 0},
                         {3000, 3500, 0},
                         {1000, 1300, 0},
                         {1000, 1200, 0}},
                    caso{"inizi_uguali_prima_due",
                         {1000, 1100, 0},
                         {1000, 1200, 0},
                         {3000, 3300, 0},
                         {3000, 3300, 0},
                         {1000, 1200, 0},
                         {1000, 1100, 0}},
                    caso{"massimo_condiviso_cancella",
                         {5000, 6000, 0},
                         {5000, 7000, 0},
                         {0, 800, 1},
                         zero,
                         zero,
                         zero},
                    caso{"somma_zero_uno_con_fine",
                         {0, 4000, 0},
                         {0, 6000, 0},
                         {0, 5000, 1},
                         {0, 5100, 1},
                         {0, 6000, 0},
                         {0, 4000, 0}},
                    caso{"somma_zero_due_con_fine",
                         {0, 4000, 0},
                         {0, 6000, 0},
                         zero,
                         {0, 6000, 0},
                         {0, 4000, 0},
                         zero},
                    caso{"somma_zero_solo_tre", {0, 4000, 1}, zero, zero, {0, 4100, 1}, zero, zero},
                    caso{"somma_zero_nessuna_fine", {0, 0, 1}, {0, -5, 0}, zero, zero, zero, zero},
                    // 100, -100 and 0 sum to 0: ordered by end, not by start.
                    caso{"somma_zero_con_inizi",
                         {100, 0, 0},
                         {-100, 300, 0},
                         {0, 0, 0},
                         {-100, 300, 0},
                         {100, 0, 0},
                         zero}),
    [](const testing::TestParamInfo<caso>& i) { return i.param.nome; });

}  // namespace
