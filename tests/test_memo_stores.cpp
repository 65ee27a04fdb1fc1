#include <gtest/gtest.h>

#include <vector>

#include "model/form1.h"
#include "model/guasto.h"

namespace {

class Stores : public testing::Test {
  protected:
    void modello(std::int32_t numero_celle) {
        f.numero_celle = numero_celle;
        f.celle.assign(static_cast<std::size_t>(numero_celle) + 1, cella{});
    }
    void SetUp() override { modello(300); }

    void segnale(std::int32_t posizione, std::int32_t sx, std::int32_t s1, std::int32_t rapp,
                 std::int32_t dx, std::int32_t d1, std::int32_t& tempo) {
        std::int32_t s2 = 0, s3 = 0, d2 = 0, d3 = 0;
        f.memo_segnale(posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
    }
    void segnale(std::int32_t posizione) {
        std::int32_t tempo = 0;
        segnale(posizione, 0, 0, 0, 0, 0, tempo);
    }
    void rallentamento(std::int32_t x, std::int32_t v, std::int32_t l, std::int32_t f_tt,
                       std::int32_t f_ta, std::int32_t d_v) {
        f.memo_rallentamento(x, v, l, f_tt, f_ta, d_v);
    }
    void montagna(std::int32_t inizio, std::int32_t fine, std::int32_t tipo) {
        f.memo_montagna(inizio, fine, tipo);
    }
    void indicatore(std::int32_t posizione, std::int32_t vas, std::int32_t vad,
                    std::int32_t strisces = 0, std::int32_t strisced = 0) {
        std::int32_t vbs = 0, vcs = 0, vbd = 0, vcd = 0;
        f.memo_indicatori_v_max(posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced);
    }

    Form1 f;
};

TEST_F(Stores, SegnaleDellaLinea) {
    std::int32_t s2 = 0, s3 = 0, rapp = 0, d2 = 0, d3 = 0, tempo = 0;
    std::int32_t sx = 2, s1 = 4, dx = 2, d1 = 2;
    f.celle[196].preavviso = 99;  // an approach mark replaces what was there
    f.memo_segnale(10150, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
    const cella& c = f.celle[204];
    EXPECT_EQ(c.tipo, 1);
    EXPECT_EQ(c.valore_1, 42);
    EXPECT_EQ(c.valore_2, 0);
    EXPECT_EQ(c.valore_3, 0);
    EXPECT_EQ(c.valore_4, 8);
    EXPECT_EQ(c.tempo, 0);
    EXPECT_EQ(f.celle[202].preavviso, 81);
    EXPECT_EQ(f.celle[200].preavviso, 82);
    EXPECT_EQ(f.celle[198].preavviso, 83);
    EXPECT_EQ(f.celle[196].preavviso, 84);
    EXPECT_EQ(f.celle[203].preavviso, 0);
    EXPECT_EQ(f.codice_errore, 0);
}

TEST_F(Stores, SegnaleTempoEValori16Bit) {
    struct caso {
        std::int32_t tempo, sx;
        std::uint8_t tempo_cella;
        std::int32_t tempo_chiamante;
    };
    const caso casi[] = {{0, 2, 0, 0},      {50, 2, 101, 101},  {50, 1, 0, 101},
                         {1, 2, 101, 101},  {100, 2, 101, 101}, {101, 2, 101, 101},
                         {300, 2, 44, 300}, {-5, 2, 251, -5}};
    for (const caso& c : casi) {
        SetUp();
        std::int32_t tempo = c.tempo;
        segnale(1000, c.sx, 0, 0, 0, 0, tempo);
        EXPECT_EQ(f.celle[21].tempo, c.tempo_cella) << c.tempo << " sx " << c.sx;
        EXPECT_EQ(tempo, c.tempo_chiamante) << c.tempo << " sx " << c.sx;
    }
    SetUp();
    std::int32_t tempo = 0;
    segnale(1000, 1, 4000, 3300, 1, 0, tempo);
    EXPECT_EQ(f.celle[21].valore_1, -25536);  // 40000 keeps its low 16 bits
    EXPECT_EQ(f.celle[21].valore_4, -32532);  // 33004 likewise
}

TEST_F(Stores, SegnaleVicinoAllInizioSaltaLeMarche) {
    segnale(100);  // cell 3: its first mark falls on cell 1, the others before cell 0
    EXPECT_EQ(f.celle[3].tipo, 1);
    EXPECT_EQ(f.celle[1].preavviso, 1);
    segnale(0);
    EXPECT_EQ(f.celle[1].tipo, 1);
    EXPECT_EQ(f.codice_errore, 0);
}

TEST_F(Stores, SegnaleSuMarcatoreOSuCellaOccupata) {
    f.celle[21].tipo = 11;
    segnale(1000);
    EXPECT_EQ(f.celle[21].tipo, 1);
    EXPECT_EQ(f.codice_errore, 0);
    for (std::uint8_t tipo : {1, 6, 10, 12, 14}) {
        SetUp();
        f.celle[21].tipo = tipo;
        const auto prima = f.celle;
        segnale(1000);
        EXPECT_EQ(f.codice_errore, 16) << int(tipo);
        EXPECT_TRUE(f.celle == prima) << int(tipo);
        f.codice_errore = 0;
    }
}

TEST_F(Stores, RallentamentoConAvvisoEPreavvisi) {
    rallentamento(1550, 60, 500, 7, 1, 3);
    ASSERT_EQ(f.codice_errore, 0);
    const cella& w = f.celle[8];
    EXPECT_EQ(w.tipo, 4);
    EXPECT_EQ(w.valore_1, 60);
    EXPECT_EQ(w.valore_2, 3);
    for (int n = 1; n <= 4; ++n) {
        const cella& c = f.celle[8 - n];
        EXPECT_EQ(c.tipo, 5) << n;
        EXPECT_EQ(c.valore_1, n) << n;
        EXPECT_EQ(c.valore_2, n) << n;
    }
    for (int i : {32, 42}) {
        EXPECT_EQ(f.celle[i].tipo, i == 32 ? 3 : 2);
        EXPECT_EQ(f.celle[i].valore_1, 60);
        EXPECT_EQ(f.celle[i].valore_2, 3);
        EXPECT_EQ(f.celle[i].valore_3, 7);
    }
}

TEST_F(Stores, RallentamentoA1500NonHaAvviso) {
    rallentamento(1500, 60, 500, 0, 1, 0);
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[31].tipo, 3);
    EXPECT_EQ(f.celle[41].tipo, 2);
    int altri = 0;
    for (const cella& c : f.celle) altri += c.tipo != 0;
    EXPECT_EQ(altri, 2);
    EXPECT_EQ(f.celle[31].valore_2, 0);  // d_v 0 writes no second value
}

TEST_F(Stores, RallentamentoDiLunghezzaZeroFiniscePartenza) {
    rallentamento(2000, 60, 0, 0, 0, 0);
    EXPECT_EQ(f.celle[41].tipo, 3);
}

TEST_F(Stores, RallentamentoErroriLascianoLeCelle) {
    struct caso {
        int cella_occupata;
        std::int32_t codice;
    };
    // Slowdown at 2000 m, 500 m long: warning 17, start 41, end 51, pre-warning 16 to 13.
    const caso casi[] = {{17, 17}, {41, 18}, {51, 19}};
    for (const caso& c : casi) {
        SetUp();
        f.codice_errore = 0;
        f.celle[static_cast<std::size_t>(c.cella_occupata)].tipo = 6;
        const auto prima = f.celle;
        rallentamento(2000, 60, 500, 0, 1, 0);
        EXPECT_EQ(f.codice_errore, c.codice);
        EXPECT_TRUE(f.celle == prima) << c.codice;
    }
    // Error 20 comes after the three boards are written; they stay.
    SetUp();
    f.codice_errore = 0;
    f.celle[13].tipo = 1;
    rallentamento(2000, 60, 500, 0, 1, 0);
    EXPECT_EQ(f.codice_errore, 20);
    EXPECT_EQ(f.celle[17].tipo, 4);
    EXPECT_EQ(f.celle[41].tipo, 3);
    EXPECT_EQ(f.celle[51].tipo, 2);
    EXPECT_EQ(f.celle[16].tipo, 0);
}

TEST_F(Stores, FuoriDalModelloEGuastoSenzaScritture) {
    const auto prima = f.celle;
    EXPECT_THROW(rallentamento(2000, 60, 20000, 0, 0, 0), guasto);  // end past cell 300
    EXPECT_THROW(segnale(-100), guasto);
    EXPECT_THROW(indicatore(15000, 1, 1), guasto);
    EXPECT_THROW(montagna(1000, 20000, 1), guasto);
    EXPECT_TRUE(f.celle == prima);
    EXPECT_EQ(f.codice_errore, 0);
}

TEST_F(Stores, MontagnaConMarcatori) {
    f.celle[27].tipo = 1;
    std::int32_t inizio = 1000, fine = 2000, tipo = 12;
    f.memo_montagna(inizio, fine, tipo);
    EXPECT_EQ(tipo, 2);
    for (int i = 20; i <= 39; ++i) EXPECT_EQ(f.celle[i].montagna, 2) << i;
    EXPECT_EQ(f.celle[19].montagna, 0);
    EXPECT_EQ(f.celle[40].montagna, 0);
    for (int i = 20; i <= 39; ++i) {
        const bool marcata = i == 23 || i == 31 || i == 35 || i == 39;
        if (i != 27) {
            EXPECT_EQ(f.celle[i].tipo, marcata ? 11 : 0) << i;
        }
    }
    EXPECT_EQ(f.celle[27].tipo, 1);  // occupied: left alone
    EXPECT_EQ(f.montagne_inizio[1], 1000);
    EXPECT_EQ(f.montagne_fine[1], 2000);
}

TEST_F(Stores, MontagnaVicinaAllaPrecedentePrendeTipo3) {
    struct caso {
        std::int32_t inizio_seconda;
        std::int32_t tipo_atteso;
    };
    const caso casi[] = {{3150, 3}, {3151, 5}, {2500, 3}};
    for (const caso& c : casi) {
        SetUp();
        f.numero_montagne = 0;
        montagna(2000, 3000, 1);
        std::int32_t inizio = c.inizio_seconda, fine = 4000, tipo = 15;
        f.memo_montagna(inizio, fine, tipo);
        EXPECT_EQ(tipo, c.tipo_atteso) << c.inizio_seconda;
        EXPECT_EQ(f.celle[70].montagna, c.tipo_atteso) << c.inizio_seconda;
    }
}

TEST_F(Stores, MontagnaLontanissimaDallaPrecedenteTieneIlSuoTipo) {
    // The gap to a section ending at the lowest 32-bit value must not wrap into "close".
    montagna(0, INT32_MIN, 2);
    montagna(1000, 2000, 2);
    EXPECT_EQ(f.celle[20].montagna, 2);
}

TEST_F(Stores, MontagnaRovesciataEOttantunesima) {
    const auto prima = f.celle;
    for (int n = 0; n < 80; ++n) montagna(2000, 1000, 1);
    EXPECT_TRUE(f.celle == prima);
    EXPECT_EQ(f.numero_montagne, 80);
    EXPECT_THROW(montagna(1000, 2000, 1), guasto);
    EXPECT_EQ(f.numero_montagne, 80);
    EXPECT_TRUE(f.celle == prima);
}

TEST_F(Stores, IndicatoreDiVelocita) {
    std::int32_t vas = 90, vbs = 90, vcs = 100, strisces = 0, vad = 90, vbd = 90, vcd = 100,
                 strisced = 0;
    f.memo_indicatori_v_max(800, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced);
    EXPECT_EQ(f.celle[17].tipo, 6);
    EXPECT_EQ(f.celle[17].valore_1, 1818);
    EXPECT_EQ(f.celle[17].valore_2, 1818);
    EXPECT_EQ(f.celle[17].valore_3, 2020);
    EXPECT_EQ(f.celle[17].valore_4, 0);
    // The quotient is exact and the sum rounded: 3 / 5 gives 1, -3 / 5 gives -1.
    indicatore(1000, 1, 3, 2, 7);
    EXPECT_EQ(f.celle[21].valore_1, 21);
    EXPECT_EQ(f.celle[21].valore_4, 27);
    indicatore(1100, 1, -3);
    EXPECT_EQ(f.celle[23].valore_1, 19);
}

TEST_F(Stores, IndicatoreErrori) {
    f.celle[21].tipo = 11;
    indicatore(1000, 1, 1);
    EXPECT_EQ(f.celle[21].tipo, 6);
    f.celle[23].tipo = 14;
    auto prima = f.celle;
    indicatore(1100, 1, 1);
    EXPECT_EQ(f.codice_errore, 21);
    EXPECT_TRUE(f.celle == prima);
    // A speed pair outside 16 bits is a fault, never a wrapped value.
    f.codice_errore = 0;
    EXPECT_THROW(indicatore(1500, 1700, 0), guasto);
    EXPECT_EQ(f.celle[31].valore_1, 0);
    // A product that would wrap round to a small value in 32 bits is a fault too.
    EXPECT_THROW(indicatore(1600, 214748365, 0), guasto);
    EXPECT_EQ(f.celle[33].valore_1, 0);
}

}  // namespace
