#include <gtest/gtest.h>

#include <vector>

#include "model/form1.h"

namespace {

constexpr std::uint8_t segnale = 1, fine = 2, inizio = 3, avviso = 4, occupata = 6, marcatore = 11,
                       riduzione = 12;

class AssegnaCodici : public testing::Test {
  protected:
    void SetUp() override {
        f.numero_celle = 100;
        f.celle.assign(101, cella{});
        f.codice_errore = 0;
        f.posizione_errore = 0;
    }
    void metti(int i, std::uint8_t tipo, std::int16_t valore_1 = 0) {
        f.celle[static_cast<std::size_t>(i)].tipo = tipo;
        f.celle[static_cast<std::size_t>(i)].valore_1 = valore_1;
    }
    void rallentamento(int i, std::int16_t velocita, int cella_fine) {
        metti(i, inizio, velocita);
        metti(cella_fine, fine, velocita);
    }
    // Cells holding a reduction to code 180.
    std::vector<int> riduzioni() const {
        std::vector<int> r;
        for (std::size_t i = 0; i < f.celle.size(); ++i) {
            if (f.celle[i].tipo == riduzione && f.celle[i].valore_1 == 180) {
                r.push_back(static_cast<int>(i));
            }
        }
        return r;
    }

    Form1 f;
};

using celle_attese = std::vector<int>;

TEST_F(AssegnaCodici, RallentamentoCompleto) {
    // Start 30 at speed 100, end 50, first signal after the end at 55.
    rallentamento(30, 100, 50);
    metti(55, segnale);
    f.assegna_codici();
    EXPECT_EQ(riduzioni(), (celle_attese{12, 19, 25, 38, 46, 54}));
    EXPECT_EQ(f.codice_errore, 0);
}

TEST_F(AssegnaCodici, VelocitaDa110NonHaPercorsoNeRicerca) {
    rallentamento(30, 110, 50);
    metti(55, segnale);
    f.assegna_codici();
    EXPECT_EQ(riduzioni(), (celle_attese{12, 19, 25}));
}

TEST_F(AssegnaCodici, GruppiDiDistanzaSecondoLaCella) {
    struct caso {
        int inizio;
        celle_attese attese;
    };
    const caso casi[] = {{7, {}},      {8, {3}},      {13, {8}},
                         {14, {3, 9}}, {20, {9, 15}}, {21, {3, 10, 16}}};
    for (const caso& c : casi) {
        SetUp();
        metti(c.inizio, inizio, 110);
        f.assegna_codici();
        EXPECT_EQ(riduzioni(), c.attese) << c.inizio;
    }
}

TEST_F(AssegnaCodici, GruppoPrendeLaPrimaCellaLibera) {
    metti(30, inizio, 110);
    metti(25, occupata);
    metti(24, marcatore);  // a scenery marker counts as free
    metti(19, occupata);
    metti(18, occupata);
    metti(17, occupata);
    f.assegna_codici();
    EXPECT_EQ(riduzioni(), (celle_attese{12, 24}));
    EXPECT_EQ(f.codice_errore, 12);
    EXPECT_EQ(f.posizione_errore, 30 * 50);
}

TEST_F(AssegnaCodici, RegolaAServeOgniSegnaleDavantiAllAvviso) {
    metti(22, avviso);
    metti(21, segnale);
    metti(10, segnale);
    metti(3, segnale);
    metti(2, occupata);
    metti(1, occupata);
    f.assegna_codici();
    // Signal 3 is the lowest looked at: with 2 and 1 occupied it is error 11.
    EXPECT_EQ(riduzioni(), (celle_attese{9, 20}));
    EXPECT_EQ(f.codice_errore, 11);
    EXPECT_EQ(f.posizione_errore, 150);

    SetUp();
    metti(40, avviso);
    metti(20, segnale);  // 20 cells back: served
    metti(17, segnale);  // 23 cells back: not
    f.assegna_codici();
    EXPECT_EQ(riduzioni(), (celle_attese{19}));
    EXPECT_EQ(f.codice_errore, 0);
}

TEST_F(AssegnaCodici, RegolaADavantiAlSegnale) {
    struct caso {
        const char* nome;
        std::uint8_t t1;
        std::int16_t v1;
        std::uint8_t t2;
        std::int16_t v2;
        std::uint8_t t1_dopo;
        std::int16_t v1_dopo;
        std::uint8_t t2_dopo;
        std::int16_t v2_dopo;
        std::int32_t codice;
    };
    // Signal in cell 10, warning in 20: t1 is cell 9, t2 cell 8.
    const caso casi[] = {
        {"marcatore_in_t1", marcatore, 0, 0, 0, riduzione, 180, 0, 0, 0},
        {"t1_occupata_t2_libera", occupata, 7, 0, 0, occupata, 7, riduzione, 180, 0},
        {"riduzione_200_abbassata", riduzione, 200, occupata, 0, riduzione, 180, occupata, 0, 0},
        {"riduzione_150_resta", riduzione, 150, occupata, 0, riduzione, 150, occupata, 0, 0},
        {"due_riduzioni_solo_t1", riduzione, 200, riduzione, 200, riduzione, 180, riduzione, 200,
         0},
        {"t1_occupata_t2_riduzione", occupata, 0, riduzione, 300, occupata, 0, riduzione, 180, 0},
        {"nessuna_cella", occupata, 0, segnale, 0, occupata, 0, segnale, 0, 11},
    };
    for (const caso& c : casi) {
        SetUp();
        metti(20, avviso);
        metti(10, segnale);
        metti(9, c.t1, c.v1);
        metti(8, c.t2, c.v2);
        f.assegna_codici();
        EXPECT_EQ(f.celle[9].tipo, c.t1_dopo) << c.nome;
        EXPECT_EQ(f.celle[9].valore_1, c.v1_dopo) << c.nome;
        EXPECT_EQ(f.celle[8].tipo, c.t2_dopo) << c.nome;
        EXPECT_EQ(f.celle[8].valore_1, c.v2_dopo) << c.nome;
        EXPECT_EQ(f.codice_errore, c.codice) << c.nome;
        EXPECT_EQ(f.posizione_errore, c.codice != 0 ? 500 : 0) << c.nome;
    }
}

TEST_F(AssegnaCodici, PercorsoSpostaLaRiduzioneEContaDaDoveVa) {
    struct caso {
        const char* nome;
        std::vector<int> occupate;
        celle_attese attese;  // reductions after the start cell
        std::int32_t codice;
        std::int32_t posizione;
    };
    // Start 30 at speed 50, end 60; the 8th cell is 38.
    const caso casi[] = {
        {"indietro", {38}, {37, 45, 53}, 0, 0},
        {"avanti", {38, 37}, {39, 47, 55}, 0, 0},
        {"nessuna_libera", {37, 38, 39}, {}, 13, 38 * 50},
    };
    for (const caso& c : casi) {
        SetUp();
        rallentamento(30, 50, 60);
        for (int i : c.occupate) metti(i, i == 38 ? segnale : occupata);
        f.assegna_codici();
        celle_attese attese{12, 19, 25};
        attese.insert(attese.end(), c.attese.begin(), c.attese.end());
        EXPECT_EQ(riduzioni(), attese) << c.nome;
        EXPECT_EQ(f.codice_errore, c.codice) << c.nome;
        EXPECT_EQ(f.posizione_errore, c.posizione) << c.nome;
    }
}

TEST_F(AssegnaCodici, RicercaDopoLaFine) {
    struct caso {
        const char* nome;
        int cella_segnale;
        std::vector<int> occupate;
        int riduzione_attesa;  // -1: none
        std::int32_t codice;
    };
    // Start 30 at speed 50, end 40: the walk puts one reduction at 38.
    const caso casi[] = {
        {"segnale_a_12_celle", 52, {}, 51, 0},     {"segnale_a_13_celle", 53, {}, -1, 0},
        {"segnale_dopo_la_fine", 41, {}, 39, 0},  // in front of it lies the end cell
        {"cella_prima_occupata", 45, {44}, 43, 0}, {"due_celle_occupate", 45, {44, 43}, -1, 13},
    };
    for (const caso& c : casi) {
        SetUp();
        rallentamento(30, 50, 40);
        metti(c.cella_segnale, segnale);
        for (int i : c.occupate) metti(i, occupata);
        f.assegna_codici();
        celle_attese attese{12, 19, 25, 38};
        if (c.riduzione_attesa >= 0) attese.push_back(c.riduzione_attesa);
        EXPECT_EQ(riduzioni(), attese) << c.nome;
        EXPECT_EQ(f.codice_errore, c.codice) << c.nome;
        EXPECT_EQ(f.posizione_errore, c.codice != 0 ? 40 * 50 : 0) << c.nome;
    }
}

TEST_F(AssegnaCodici, OltreLUltimaCellaEOccupato) {
    // No end cell: the walk stops at the last cell; beyond it nothing is free.
    metti(92, inizio, 50);
    metti(99, occupata);
    metti(100, occupata);
    f.assegna_codici();
    EXPECT_EQ(riduzioni(), (celle_attese{74, 81, 87}));
    EXPECT_EQ(f.codice_errore, 13);
    EXPECT_EQ(f.posizione_errore, 100 * 50);
}

TEST_F(AssegnaCodici, VinceLUltimoErrore) {
    metti(20, avviso);
    metti(10, segnale);
    metti(9, occupata);
    metti(8, occupata);
    metti(60, inizio, 110);
    for (int i = 53; i <= 55; ++i) metti(i, occupata);
    f.assegna_codici();
    EXPECT_EQ(f.codice_errore, 12);
    EXPECT_EQ(f.posizione_errore, 3000);
}

TEST_F(AssegnaCodici, CelleNonEsaminate) {
    // Cell 0 and the last two cells are never taken as a start.
    metti(99, inizio, 50);
    metti(100, inizio, 50);
    const auto prima = f.celle;
    f.assegna_codici();
    EXPECT_TRUE(f.celle == prima);
}

TEST(Minimo, IlMinoreOIlPrimoSeUguali) {
    struct caso {
        std::int16_t x, y, atteso;
    };
    const caso casi[] = {{180, 200, 180}, {180, 150, 150}, {180, 180, 180}, {180, -5, -5}};
    for (const caso& c : casi) EXPECT_EQ(minimo(c.x, c.y), c.atteso) << c.y;
}

}  // namespace
