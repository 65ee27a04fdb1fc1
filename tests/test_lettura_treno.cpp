#include <gtest/gtest.h>

#include <string>

#include "aiuto_test.h"
#include "model/form1.h"

namespace {

using aiuto::linea_con;
using aiuto::treno_con;

constexpr std::int32_t posizione_precedente = 4242;
constexpr std::int32_t invariata = -1;

const std::string linea_base = linea_con("");

// A station line: position, kind, length, dato_4..6, then fixed values and the name.
std::string stazione(int posizione, int tipo, int lunghezza, int d5 = 0, int d6 = 0,
                     const std::string& nome = "S") {
    return "stazione, " + std::to_string(posizione) + ", " + std::to_string(tipo) + ", " +
           std::to_string(lunghezza) + ", 0, " + std::to_string(d5) + ", " + std::to_string(d6) +
           ", 1,1,0, 4,1,1, 60, 6,20,54, " + nome + "\r\n";
}

std::string segnale(int posizione) {
    return "segnale, " + std::to_string(posizione) + ", 0, 0,0,0, 0, 0, 0,0,0, 0\r\n";
}

class LetturaTreno : public testing::Test {
  protected:
    void leggi(const std::string& treno, const std::string& linea = linea_base) {
        f.posizione_errore = posizione_precedente;
        banco.leggi(linea, treno);
    }
    void file_cancellati() {
        EXPECT_TRUE(banco.linea_cancellata());
        EXPECT_TRUE(banco.treno_cancellato());
    }

    Form1 f;
    aiuto::banco_prova banco{f};
};

std::string cartelli(int quanti) {
    std::string righe;
    for (int n = 0; n < quanti; ++n) {
        righe += "cartello_indicatore, " + std::to_string(50 * n) + ", C\r\n";
    }
    return linea_con(righe);
}

struct caso_errore {
    const char* nome;
    std::string treno;
    std::int32_t codice;
    std::int32_t posizione;
    std::string linea = linea_base;
};

class ErroriTreno : public LetturaTreno, public testing::WithParamInterface<caso_errore> {};

TEST_P(ErroriTreno, RegistraLErroreECancellaIlFile) {
    const caso_errore& c = GetParam();
    leggi(c.treno, c.linea);
    EXPECT_EQ(f.codice_errore, c.codice);
    EXPECT_EQ(f.posizione_errore, c.posizione == invariata ? posizione_precedente : c.posizione);
    file_cancellati();
}

const std::string fila_di_stazioni = stazione(200, 2, 400);

INSTANTIATE_TEST_SUITE_P(
    Casi, ErroriTreno,
    testing::Values(
        caso_errore{"abbattimento_su_segnale",
                    treno_con(segnale(950) + "abbattimento, 1000, 150\r\n"), 7, 1000},
        caso_errore{"stazione_non_multipla_di_50", treno_con(stazione(3725, 2, 400)), 8, 3725},
        caso_errore{"lunghezza_non_multipla_di_100", treno_con(stazione(3750, 2, 450)), 9, 3750},
        caso_errore{"stazioni_fino_ai_cartelli", treno_con(stazione(200, 2, 400)), 10, invariata,
                    cartelli(78)},
        caso_errore{"velocita_oltre_la_fine", treno_con("velocita, 7901, 30\r\n"), 2, 7901,
                    linea_con("", "progressiva chilometrica uno, 1025, 2000, 0\r\n")},
        caso_errore{"chilometrica_non_multipla_di_50", treno_con(""), 2, invariata,
                    linea_con("", "progressiva chilometrica uno, 1025, 2000, 0\r\n")},
        // (x + 100) / 50 without 32-bit wrap-around.
        caso_errore{"posizione_al_limite_32_bit", treno_con("velocita, 2147483647, 30\r\n"), 15,
                    2147483647},
        caso_errore{"aderenza_oltre_la_fine", treno_con("aderenza, 7901, 30\r\n"), 15, 7901},
        caso_errore{"stazione_oltre_il_margine", treno_con(stazione(7250, 2, 400)), 15, 7250},
        caso_errore{"segnale_prima_dell_inizio", treno_con(segnale(-100)), 15, -100},
        caso_errore{"abbattimento_prima_dell_inizio", treno_con("abbattimento, -100, 5\r\n"), 15,
                    -100},
        caso_errore{"rallentamento_che_finisce_fuori",
                    treno_con("rallentamento, 1000, 60, 9000, 0, 0, 0\r\n"), 15, 1000},
        caso_errore{"rallentamento_che_finisce_prima_dell_inizio",
                    treno_con("rallentamento, 1000, 60, -2000, 0, 0, 0\r\n"), 15, 1000},
        caso_errore{"segnali_sulla_stessa_cella", treno_con(segnale(1900) + segnale(1910)), 16,
                    1910},
        caso_errore{"avviso_occupato",
                    treno_con(segnale(800) + "rallentamento, 2000, 60, 500, 0, 0, 0\r\n"), 17,
                    2000},
        caso_errore{"inizio_occupato",
                    treno_con(segnale(2000) + "rallentamento, 2000, 60, 500, 0, 0, 0\r\n"), 18,
                    2000},
        caso_errore{"fine_occupata",
                    treno_con(segnale(2500) + "rallentamento, 2000, 60, 500, 0, 0, 0\r\n"), 19,
                    2000},
        caso_errore{"preavvisi_occupati",
                    treno_con(segnale(700) + "rallentamento, 2000, 60, 500, 0, 1, 0\r\n"), 20,
                    2000},
        caso_errore{"zone_troppo_vicine",
                    treno_con(stazione(1000, 2, 400) + stazione(1700, 2, 400)), 22, 1700},
        caso_errore{"stazione_prima_della_precedente",
                    treno_con(stazione(3000, 2, 400) + stazione(1000, 2, 400)), 22, 1000},
        caso_errore{"zona_finisce_entro_100_m", treno_con(stazione(0, 2, 200)), 24, invariata},
        caso_errore{"valori_mancanti_a_fine_file", "[generale]\r\nvelocita, 0\r\n", 25, invariata},
        caso_errore{"tipo_stazione_oltre_8_bit", treno_con("stazione, 200, 256, 400\r\n"), 25,
                    invariata},
        caso_errore{"sabbia_oltre_16_bit", treno_con("sabbia, 32768\r\n"), 25, invariata},
        caso_errore{"velocita_oltre_il_byte",
                    treno_con("velocita, 0, 1278\r\nvelocita, 1000, 30\r\n"), 25, invariata}),
    [](const testing::TestParamInfo<caso_errore>& i) { return i.param.nome; });

TEST_F(LetturaTreno, SenzaFileDelTrenoErrore25) {
    banco.leggi(linea_base, std::nullopt);
    EXPECT_EQ(f.codice_errore, 25);
    file_cancellati();
}

TEST_F(LetturaTreno, Errore15DellaLineaFermaIlTrenoAlPrimoSegnale) {
    leggi(treno_con("numero vetture, 7\r\n" + segnale(1900) + "velocita, 0, 30\r\n"),
          linea_con("cartello_indicatore, 7901, X\r\n"));
    EXPECT_EQ(f.codice_errore, 15);
    EXPECT_EQ(f.posizione_errore, 1900);
    EXPECT_EQ(f.tabella_sim[84].posizione, 7);
    EXPECT_EQ(f.celle[39].tipo, 1);       // the store runs, then the finding ends the reading
    EXPECT_EQ(f.celle[0].vel_limite, 0);  // no end processing after it
    file_cancellati();
}

TEST_F(LetturaTreno, StazioneOltreLeCelleNonScriveNulla) {
    // Stop mark in cell 161, past the last cell; its approach marks would fall inside.
    leggi(treno_con(stazione(7200, 2, 1800)));
    EXPECT_EQ(f.codice_errore, 15);
    EXPECT_EQ(f.posizione_errore, 7200);
    for (int i = 155; i <= 160; ++i) EXPECT_EQ(f.celle[i].preavviso, 0) << i;
    EXPECT_EQ(f.tabella_sim[1].posizione, 7200);  // the row itself is stored as read
}

TEST_F(LetturaTreno, StazioneMoltoPrimaDellaPrecedenteNonAggiraIlControllo) {
    // inizio - 350 would wrap round in 32 bits and let the station through.
    leggi(treno_con(stazione(1000, 30, 200) + stazione(-2147483600, 30, 0)));
    EXPECT_EQ(f.codice_errore, 22);
    EXPECT_EQ(f.posizione_errore, -2147483600);
}

TEST_F(LetturaTreno, ValoriRegistratiUnoAllaVolta) {
    leggi(treno_con("orologio, 50, x\r\n"));
    EXPECT_EQ(f.codice_errore, 25);
    EXPECT_EQ(f.tabella_sim[86].dato_10, 50);
    file_cancellati();
}

TEST_F(LetturaTreno, DatiGeneraliDelTreno) {
    leggi(
        "velocita, 0, 100\r\nsabbia, 9\r\n[generale]\r\nnumero vetture,    5\r\n"
        "percentuale massa frenata,    100\r\nsabbia,    3\r\n"
        "orologio,    6               21            54 \r\n"
        "[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n[rallentamenti]\r\n[segnali]\r\n"
        "[codici]\r\n[fine]\r\n");
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.tabella_sim[84].posizione, 5);
    EXPECT_EQ(f.tabella_sim[84].inizio, 100);
    EXPECT_EQ(f.tabella_sim[86].dato_7, 3);
    EXPECT_EQ(f.tabella_sim[86].dato_10, 6);
    EXPECT_EQ(f.tabella_sim[86].dato_11, 21);
    EXPECT_EQ(f.tabella_sim[86].dato_12, 54);
    // Fields before "[generale]" are ignored; speed and adhesion in force start at 0.
    EXPECT_EQ(f.celle[0].vel_limite, 0);
    EXPECT_EQ(f.celle[157].aderenza, 0);
    file_cancellati();
}

// Speed limits: the cell values that a set of lines leaves in cells 0, 19, 20 and 157.
TEST_F(LetturaTreno, VelocitaPerCella) {
    struct caso {
        const char* righe;
        std::uint8_t c0, c19, c20, c157;
    };
    const caso casi[] = {
        {"velocita, 0, 30\r\nvelocita, 1000, 60\r\n", 6, 6, 12, 12},
        {"velocita, 1000, 30\r\n", 0, 0, 6, 6},  // nothing in force before the first line
        // A line behind the cursor still writes the cursor's cell once.
        {"velocita, 1000, 30\r\nvelocita, 500, 60\r\n", 0, 0, 6, 12},
        {"VELOCITA, 0, 62\r\n", 12, 12, 12, 12},
        {"Velocità, 0, 63\r\n", 13, 13, 13, 13},
        {"velocita, 0, 1277\r\n", 255, 255, 255, 255},
        {"ve-locita, 0, 30\r\n", 0, 0, 0, 0},            // a hyphen field is passed over
        {"a-, b-, velocita-x, 0, 30\r\n", 6, 6, 6, 6},   // the third one is examined
        {"sabbia, 1, velocita, 0, 30\r\n", 6, 6, 6, 6},  // extra fields go back to the loop
        {"velocita, 25, 30\r\nvelocita, 75, 60\r\n", 6, 12, 12, 12},
    };
    for (const caso& c : casi) {
        leggi(treno_con(c.righe));
        ASSERT_EQ(f.codice_errore, 0) << c.righe;
        EXPECT_EQ(f.celle[0].vel_limite, c.c0) << c.righe;
        EXPECT_EQ(f.celle[19].vel_limite, c.c19) << c.righe;
        EXPECT_EQ(f.celle[20].vel_limite, c.c20) << c.righe;
        EXPECT_EQ(f.celle[157].vel_limite, c.c157) << c.righe;
        EXPECT_EQ(f.celle[158].vel_limite, 0) << c.righe;
    }
}

TEST_F(LetturaTreno, PosizioniArrotondateAllaCellaPari) {
    // 25 m falls into cell 0 and 75 m into cell 2; the speed at 25 m still fills cell 0.
    leggi(
        treno_con("velocita, 0, 30\r\nvelocita, 75, 60\r\nabbattimento, 25, 0\r\n"
                  "abbattimento, 75, 150\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[1].vel_limite, 6);
    EXPECT_EQ(f.celle[2].vel_limite, 12);
    EXPECT_EQ(f.celle[0].tipo, 13);
    EXPECT_EQ(f.celle[0].valore_1, 0);
    EXPECT_EQ(f.celle[2].tipo, 12);
    EXPECT_EQ(f.celle[2].valore_1, 150);
}

TEST_F(LetturaTreno, AderenzaTieneGliOttoBitBassi) {
    leggi(treno_con("aderenza, 0, 100\r\naderenza, 1000, 300\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[19].aderenza, 100);
    EXPECT_EQ(f.celle[20].aderenza, 44);
    EXPECT_EQ(f.celle[157].aderenza, 44);
    EXPECT_EQ(f.celle[158].aderenza, 0);
}

TEST_F(LetturaTreno, SenzaGeneraleNienteLettoMaCelleCompletate) {
    leggi("velocita, 0, 30\r\nsabbia, 5\r\n");
    EXPECT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.tabella_sim[86].dato_7, 0);
    EXPECT_EQ(f.celle[157].vel_limite, 0);
    file_cancellati();
}

TEST_F(LetturaTreno, UltimoCampoNonEsaminato) {
    leggi("[generale]\r\nsabbia\r\n");
    EXPECT_EQ(f.codice_errore, 0);
    file_cancellati();
}

TEST_F(LetturaTreno, SegnaleConIPreavvisi) {
    leggi(treno_con("segnale, 1900, 2, 4, 0, 0, 0, 2, 2,0,0, 50\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    const cella& c = f.celle[39];
    EXPECT_EQ(c.tipo, 1);
    EXPECT_EQ(c.valore_1, 42);
    EXPECT_EQ(c.valore_4, 8);
    EXPECT_EQ(c.tempo, 101);
    EXPECT_EQ(f.celle[37].preavviso, 81);
    EXPECT_EQ(f.celle[31].preavviso, 84);
}

TEST_F(LetturaTreno, StazioneCompleta) {
    leggi(treno_con(
        "stazione,       200,  2,  400,  0, 0, 0,  1,1,0,  4,1,1,    1,   6,20,54, ROMA\r\n"
        "stazione,    3750, 12,  400,  7, 1, 1,  2,3,4,  5,6,7,   60,   6,20,54, ROMA "
        "TUSCOLANA,sabbia, 4\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    const riga_sim& r = f.tabella_sim[2];
    EXPECT_EQ(r.posizione, 3750);
    EXPECT_EQ(r.tipo, 12);
    EXPECT_EQ(r.inizio, 3550);
    EXPECT_EQ(r.fine, 4000);
    EXPECT_EQ(r.dato_4, 7);
    EXPECT_EQ(r.dato_5, 0);  // read 1, cleared: shorter than 600 m
    EXPECT_EQ(r.dato_6, 1);
    EXPECT_EQ(r.dato_7, 2);
    EXPECT_EQ(r.dato_8, 3);
    EXPECT_EQ(r.dato_9, 4);
    EXPECT_EQ(r.dato_10, 5);
    EXPECT_EQ(r.dato_11, 6);
    EXPECT_EQ(r.dato_12, 7);
    EXPECT_EQ(r.dato_13, 60);
    EXPECT_EQ(r.orario, 6 * 3600 + 20 * 60 + 54);
    // A comma ends the name; the rest of the line is read as further fields.
    EXPECT_EQ(r.nome, "ROMA TUSCOLANA");
    EXPECT_EQ(f.tabella_sim[86].dato_7, 4);
    EXPECT_EQ(f.tabella_sim[1].nome, "ROMA");
}

// The second station's row and cells, by kind; the first is fixed at 200 m (zone 0 to 400).
struct caso_stazione {
    const char* nome;
    std::string riga;
    std::int32_t inizio, fine;
    std::uint8_t dato_5, dato_6;
    int cella_fermata;  // -1: no cell marks
    bool preavvisi;
};

class StazioniPerTipo : public LetturaTreno, public testing::WithParamInterface<caso_stazione> {};

TEST_P(StazioniPerTipo, ZonaEMarche) {
    const caso_stazione& c = GetParam();
    leggi(treno_con(stazione(200, 2, 400) + c.riga));
    ASSERT_EQ(f.codice_errore, 0);
    const riga_sim& r = f.tabella_sim[2];
    EXPECT_EQ(r.inizio, c.inizio);
    EXPECT_EQ(r.fine, c.fine);
    EXPECT_EQ(r.dato_5, c.dato_5);
    EXPECT_EQ(r.dato_6, c.dato_6);
    int marche = 0, preavvisi = 0;
    for (std::size_t i = 9; i < f.celle.size(); ++i) {
        if (f.celle[i].tipo == 10) {
            ++marche;
            EXPECT_EQ(static_cast<int>(i), c.cella_fermata);
            EXPECT_EQ(f.celle[i].valore_1, 2);
        }
        if (f.celle[i].preavviso != 0) ++preavvisi;
    }
    EXPECT_EQ(marche, c.cella_fermata < 0 ? 0 : 1);
    EXPECT_EQ(preavvisi, c.preavvisi ? 4 : 0);
    if (c.preavvisi) {
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.celle[c.cella_fermata - k].preavviso, 80 + k);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, StazioniPerTipo,
    testing::Values(
        caso_stazione{"ordinaria", stazione(3000, 2, 400, 1, 0), 2800, 3200, 0, 0, 63, true},
        caso_stazione{"sesto_dato_allunga", stazione(3000, 12, 400, 0, 1), 2800, 3250, 0, 1, 64,
                      true},
        caso_stazione{"lunga_tiene_il_quinto", stazione(3000, 2, 600, 1, 0), 2700, 3300, 1, 0, 65,
                      true},
        caso_stazione{"tipo_5", stazione(3000, 5, 500, 0, 1), 2500, 3150, 0, 0, 62, false},
        caso_stazione{"tipo_6", stazione(3000, 6, 500), 2500, 3150, 0, 0, 62, false},
        caso_stazione{"tipo_7", stazione(3000, 7, 500, 0, 1), 2500, 3500, 0, 0, 69, true},
        caso_stazione{"tipo_24", stazione(3000, 24, 400), 2800, 3200, 0, 0, 63, true},
        caso_stazione{"tipo_28_senza_celle", stazione(3000, 28, 400, 0, 1), 2800, 3250, 0, 1, -1,
                      false}),
    [](const testing::TestParamInfo<caso_stazione>& i) { return i.param.nome; });

TEST_F(LetturaTreno, PrimaStazione) {
    // Zone 0 to 450: the 50 m of dato_6 count, then dato_5 and dato_6 are cleared.
    leggi(treno_con(stazione(200, 2, 800, 1, 1)));
    ASSERT_EQ(f.codice_errore, 0);
    const riga_sim& r = f.tabella_sim[1];
    EXPECT_EQ(r.fine, 650);
    EXPECT_EQ(r.dato_5, 0);
    EXPECT_EQ(r.dato_6, 0);
    EXPECT_EQ(f.celle[12].tipo, 10);
    EXPECT_EQ(f.celle[12].valore_1, 1);

    leggi(treno_con(stazione(200, 2, 400)));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[7].tipo, 10);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.celle[7 - k].preavviso, 80 + k) << k;
    EXPECT_EQ(f.celle[2].preavviso, 0);
}

TEST_F(LetturaTreno, StazioniFinoAlLimite) {
    // With 77 boards the limit is row 3: two stations fit, and the second stays stored.
    leggi(treno_con(stazione(200, 2, 400) + stazione(1200, 2, 400)), cartelli(77));
    EXPECT_EQ(f.codice_errore, 10);
    EXPECT_EQ(f.tabella_sim[2].posizione, 1200);
    EXPECT_EQ(f.tabella_sim[3].nome, "");
    EXPECT_EQ(f.tabella_sim[4].nome, "C");
}

}  // namespace
