// The profile's walk, whole or in pieces of any size, gives every metre as the steps define
// it, one after the other from the seeds.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/tracciato.h"

namespace {

using metro_visto = std::tuple<tipo_elemento, double, double>;

// Metres 0..20: seeds, straight to 6, curved to 11, straight to 15, empty after.
tracciato profilo_misto() {
    tracciato t;
    t.crea(20);
    t.semina(3, -2, 4, -1);
    t.calcola(2, 6, false, 0.0);
    t.calcola(7, 11, true, 0.125);
    t.calcola(12, 15, false, 0.0);
    return t;
}

// The same metres straight from the step's definition.
std::vector<metro_visto> per_definizione() {
    std::vector<metro_visto> metri{{tipo_elemento::intero16, 3.0, -2.0},
                                   {tipo_elemento::intero16, 4.0, -1.0}};
    punto_profilo p2{3.0, -2.0};
    punto_profilo p1{4.0, -1.0};
    for (int m = 2; m <= 15; ++m) {
        const bool curvo = m >= 7 && m <= 11;
        const punto_profilo p = passo_profilo(p2, p1, curvo, curvo ? 0.125 : 0.0);
        metri.emplace_back(tipo_elemento::doppio, p.x, p.y);
        p2 = p1;
        p1 = p;
    }
    for (int m = 16; m <= 20; ++m) metri.emplace_back(tipo_elemento::vuoto, 0.0, 0.0);
    return metri;
}

TEST(Tracciato, TheWholeWalkFollowsTheSteps) {
    std::vector<metro_visto> visti;
    profilo_misto().percorri(
        [&](tipo_elemento tipo, double x, double y) { visti.emplace_back(tipo, x, y); });
    EXPECT_EQ(visti, per_definizione());
}

struct raccogli {
    std::vector<metro_visto>* visti;
    void operator()(tipo_elemento tipo, double x, double y) { visti->emplace_back(tipo, x, y); }
};

TEST(Tracciato, AWalkInPiecesOfAnySizeIsTheSame) {
    const tracciato t = profilo_misto();
    for (const int pezzo : {1, 2, 3, 5, 7, 30}) {
        std::vector<metro_visto> visti;
        tracciato::cammino c;
        while (c.metro <= t.ultimo_metro()) t.percorri_fino(c, c.metro + pezzo, raccogli{&visti});
        EXPECT_EQ(visti, per_definizione()) << "pezzi di " << pezzo;
    }
}

TEST(Tracciato, AnUnseededProfileIsEmptyEverywhere) {
    tracciato t;
    t.crea(3);
    std::vector<metro_visto> visti;
    t.percorri([&](tipo_elemento tipo, double x, double y) { visti.emplace_back(tipo, x, y); });
    EXPECT_EQ(visti, std::vector<metro_visto>(4, {tipo_elemento::vuoto, 0.0, 0.0}));
}

}  // namespace
