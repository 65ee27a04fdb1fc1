#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "aiuto_test.h"
#include "model/form1.h"

namespace {

using aiuto::linea_con;
using aiuto::treno_con;

constexpr std::int32_t posizione_precedente = 4242;
constexpr std::int32_t invariata = -1;  // posizione_errore keeps its earlier value

// Tells whether the train run file was read: it sets the number of cars.
const std::string treno_spia = treno_con("numero vetture, 7\r\n");

class LetturaLinea : public testing::Test {
  protected:
    void leggi(const std::string& linea, const std::string& treno = treno_spia) {
        f.posizione_errore = posizione_precedente;
        banco.leggi(linea, treno);
    }
    bool treno_letto() { return f.tabella_sim[84].posizione == 7; }

    Form1 f;
    aiuto::banco_prova banco{f};
};

struct caso_errore {
    const char* nome;
    std::string linea;
    std::int32_t codice;
    std::int32_t posizione;  // or invariata
    bool treno_letto;
    bool celle_create;
};

class ErroriLinea : public LetturaLinea, public testing::WithParamInterface<caso_errore> {};

TEST_P(ErroriLinea, RegistraLErroreEChiudeIFile) {
    const caso_errore& c = GetParam();
    leggi(c.linea);
    EXPECT_EQ(f.codice_errore, c.codice);
    EXPECT_EQ(f.posizione_errore, c.posizione == invariata ? posizione_precedente : c.posizione);
    EXPECT_EQ(treno_letto(), c.treno_letto);
    EXPECT_EQ(f.celle_create(), c.celle_create);
    EXPECT_TRUE(banco.linea_cancellata());
    // The train run file goes when it was read and on the fault path; otherwise it is left.
    EXPECT_EQ(banco.treno_cancellato(), c.treno_letto || c.codice == 25);
}

const std::string testo_lungo(65536, 'x');

INSTANTIATE_TEST_SUITE_P(
    Casi, ErroriLinea,
    testing::Values(
        caso_errore{"senza_generale", "a, b\r\n[curve]\r\n", 102, invariata, false, false},
        caso_errore{"generale_ultimo_campo", "a\r\n[generale]\r\n", 102, invariata, false, false},
        caso_errore{"lunghezza_oltre_il_milione",
                    "[generale]\r\nlunghezza percorso, 1000001\r\n[curve]\r\n[fine]\r\n", 1,
                    invariata, false, false},
        caso_errore{"lunghezza_negativa",
                    "[generale]\r\nlunghezza percorso, -50\r\n[curve]\r\n[fine]\r\n", 1, invariata,
                    false, false},
        caso_errore{"lunghezza_mancante", "[generale]\r\nsfondo uno, 1\r\n[curve]\r\n[fine]\r\n", 1,
                    invariata, false, false},
        caso_errore{"seconda_lunghezza_sbagliata",
                    "[generale]\r\nlunghezza percorso, 1000\r\nlunghezza percorso, "
                    "2000000\r\n[curve]\r\n[fine]\r\n",
                    1, invariata, false, true},
        caso_errore{"ripetizione_inizio",
                    linea_con("", "ripetizione segnali 9 codici, 7125, 27450\r\n"), 3, invariata,
                    false, true},
        caso_errore{"ripetizione_fine",
                    linea_con("", "ripetizione segnali 9 codici, 7150, 27425\r\n"), 4, invariata,
                    false, true},
        caso_errore{"ripetizione_senza_codici",
                    linea_con("", "ripetizione segnali codici, 7150, 27450\r\n"), 5, invariata,
                    false, true},
        caso_errore{"curva_senza_grado", linea_con("curvas, 100, 100\r\n"), 103, invariata, false,
                    true},
        caso_errore{"nota_che_contiene_curva", linea_con("nota sulla curva, 100, 100\r\n"), 103,
                    invariata, false, true},
        // 1825 and 1875 both round to cell 38 (37.5 and 38.5 go to the even neighbour).
        caso_errore{"cartelli_sulla_stessa_cella",
                    linea_con("cartello_indicatore, 1825, A\r\ncartello_indicatore, 1875, B\r\n"),
                    6, 1875, false, true},
        caso_errore{"indicatore_su_cella_occupata",
                    linea_con("indicatori_vmax, 800, 90, 90, 100, 0, 90, 90, 100, 0\r\n"
                              "indicatori_vmax, 810, 1, 1, 1, 0, 1, 1, 1, 0\r\n"),
                    21, 810, false, true},
        caso_errore{"cartello_oltre_la_fine", linea_con("cartello_indicatore, 7901, X\r\n"), 15,
                    7901, true, true},
        caso_errore{"cartello_prima_dell_inizio", linea_con("cartello_indicatore, -100, X\r\n"), 15,
                    -100, true, true},
        caso_errore{"posizione_al_limite_32_bit", linea_con("pendenza, 2147483600, 5\r\n"), 15,
                    2147483600, true, true},
        caso_errore{"pendenza_oltre_la_fine", linea_con("pendenza, 7901, 5\r\n"), 15, 7901, true,
                    true},
        caso_errore{"curva_oltre_la_fine", linea_con("curvad1, 7901, 5\r\n"), 15, 7901, true, true},
        caso_errore{"montagna_che_esce_dalle_celle", linea_con("montagna, 7000, 9000, 1\r\n"), 15,
                    7000, true, true},
        caso_errore{"montagna_prima_dell_inizio", linea_con("montagna, -500, 1000, 1\r\n"), 15,
                    -500, true, true},
        caso_errore{"indicatore_prima_dell_inizio",
                    linea_con("indicatori_vmax, -100, 1, 1, 1, 0, 1, 1, 1, 0\r\n"), 15, -100, true,
                    true},
        // The range check comes before the store's own occupancy test.
        caso_errore{"portata_prima_di_occupata",
                    linea_con("cartello_indicatore, 7900, A\r\n"
                              "indicatori_vmax, 7901, 1, 1, 1, 0, 1, 1, 1, 0\r\n"),
                    15, 7901, true, true},
        caso_errore{"valori_mancanti_a_fine_file",
                    "[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\npendenza, 1000\r\n", 25,
                    invariata, false, true},
        caso_errore{"numero_illeggibile", linea_con("pendenza, 1000, 5.5\r\n"), 25, invariata,
                    false, true},
        caso_errore{"pendenza_sotto_meno_100", linea_con("pendenza, 1000, -101\r\n"), 25, invariata,
                    false, true},
        caso_errore{"pendenza_oltre_155", linea_con("pendenza, 1000, 156\r\n"), 25, invariata,
                    false, true},
        caso_errore{"testo_oltre_65535_byte",
                    linea_con("cartello_indicatore, 1000, " + testo_lungo + "\r\n"), 25, invariata,
                    false, true}),
    [](const testing::TestParamInfo<caso_errore>& i) { return i.param.nome; });

TEST_F(LetturaLinea, SenzaFileDiLineaErrore101ENienteCancellato) {
    banco.leggi(std::nullopt, treno_spia);
    EXPECT_EQ(f.codice_errore, 101);
    EXPECT_FALSE(f.celle_create());
    EXPECT_FALSE(banco.linea_cancellata());
    EXPECT_FALSE(banco.treno_cancellato());
}

TEST_F(LetturaLinea, LineaMinimaDimensionaModelloEProfilo) {
    leggi(linea_con(""));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.lunghezza_estesa, 8000);
    EXPECT_EQ(f.numero_celle, 160);
    EXPECT_EQ(f.celle.size(), 161u);
    EXPECT_EQ(f.tabella_sim[84].fine, 1000);
    EXPECT_EQ(f.tabella_sim[85].nome, "L");
    EXPECT_EQ(f.tabella_sim[86].nome, "T");
    // No gradient line: gradient 0 up to the last three cells, which stay 0.
    for (int i = 0; i <= 157; ++i) ASSERT_EQ(f.celle[i].pendenza, 100) << i;
    for (int i = 158; i <= 160; ++i) EXPECT_EQ(f.celle[i].pendenza, 0) << i;
    const auto& p = f.profilo_linea;
    ASSERT_EQ(p.ultimo_metro(), 8000);
    EXPECT_EQ(p.tipo(0, 0), tipo_elemento::intero16);
    EXPECT_EQ(p.tipo(1, 1), tipo_elemento::intero16);
    EXPECT_EQ(p.valore(1, 1), 1.0);
    EXPECT_EQ(p.tipo(2, 0), tipo_elemento::doppio);
    EXPECT_EQ(p.tipo(7998, 1), tipo_elemento::doppio);
    EXPECT_EQ(p.valore(7998, 1), 7998.0);
    EXPECT_EQ(p.valore(7998, 0), 0.0);
    EXPECT_EQ(p.tipo(7999, 0), tipo_elemento::vuoto);
    EXPECT_EQ(p.tipo(8000, 1), tipo_elemento::vuoto);
    EXPECT_TRUE(treno_letto());
    EXPECT_TRUE(banco.linea_cancellata());
    EXPECT_TRUE(banco.treno_cancellato());
}

TEST_F(LetturaLinea, LunghezzaDiUnMilioneAccettata) {
    f.flag_j = 0;  // no profile: keeps the test small
    leggi("[generale]\r\nlunghezza percorso, 1000000\r\n[curve]\r\n[fine]\r\n");
    EXPECT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.numero_celle, 20140);
}

// The general section: row 81 after ordering, row 85 and row 86 as read.
struct caso_generale {
    const char* nome;
    std::string generale;
    riga_sim r81, r85, r86;
};

class SezioneGenerale : public LetturaLinea, public testing::WithParamInterface<caso_generale> {};

riga_sim terna(std::int32_t inizio, std::int32_t fine, std::int32_t posizione) {
    riga_sim r;
    r.inizio = inizio;
    r.fine = fine;
    r.posizione = posizione;
    return r;
}

TEST_P(SezioneGenerale, RigheDiIntestazione) {
    const caso_generale& c = GetParam();
    leggi("[generale]\r\n" + c.generale + "[curve]\r\n[fine]\r\n");
    ASSERT_EQ(f.codice_errore, 0);
    auto uguale = [](const riga_sim& r, const riga_sim& atteso) {
        return r.inizio == atteso.inizio && r.fine == atteso.fine &&
               r.posizione == atteso.posizione;
    };
    EXPECT_TRUE(uguale(f.tabella_sim[81], c.r81));
    EXPECT_TRUE(uguale(f.tabella_sim[85], c.r85));
    EXPECT_TRUE(uguale(f.tabella_sim[86], c.r86));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SezioneGenerale,
    testing::Values(
        caso_generale{"valori_letti",
                      "lunghezza percorso, 1000\r\nprogressiva chilometrica tre, 100, 200, "
                      "1\r\nsfondo uno, 1\r\nsfondo due, 2\r\nsfondo tre, 3\r\nripetizione "
                      "segnali 9 codici, 7150, 27450\r\n",
                      terna(100, 300, 1), terna(1, 3, 2), terna(7150, 27450, 9)},
        caso_generale{"qualsiasi_maiuscola_per_la_lunghezza",
                      "Lunghezza Percorso, 1000\r\nsfondo uno, 4\r\n", terna(0, 0, 0),
                      terna(4, 0, 0), terna(0, 0, 0)},
        // Exact case: the numbers of an unrecognised line are read as ignored fields.
        caso_generale{"maiuscole_esatte_per_le_altre",
                      "lunghezza percorso, 1000\r\nProgressiva chilometrica tre, 100, 200, "
                      "0\r\nSfondo uno, 1\r\n",
                      terna(0, 0, 0), terna(0, 0, 0), terna(0, 0, 0)},
        caso_generale{"fine_zero_nessun_codice",
                      "lunghezza percorso, 1000\r\nripetizione segnali 9 codici, 7150, 0\r\n",
                      terna(0, 0, 0), terna(0, 0, 0), terna(7150, 0, 0)},
        caso_generale{"quattro_vince_su_nove",
                      "lunghezza percorso, 1000\r\nripetizione segnali 4 o 9, 50, 100\r\n",
                      terna(0, 0, 0), terna(0, 0, 0), terna(50, 100, 4)},
        // Any field with both brackets ends the section, "[generale]" included.
        caso_generale{"parentesi_chiudono_la_sezione",
                      "lunghezza percorso, 1000\r\n[generale]\r\nsfondo uno, 5\r\n", terna(0, 0, 0),
                      terna(0, 0, 0), terna(0, 0, 0)},
        caso_generale{"solo_lf", "lunghezza percorso, 1000\nsfondo due, 6\n", terna(0, 0, 0),
                      terna(0, 0, 6), terna(0, 0, 0)}),
    [](const testing::TestParamInfo<caso_generale>& i) { return i.param.nome; });

TEST_F(LetturaLinea, PendenzaValeDallaSuaCellaInPoi) {
    leggi(linea_con("pendenza, 1000, 5\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    for (int i = 0; i <= 19; ++i) ASSERT_EQ(f.celle[i].pendenza, 100) << i;
    for (int i = 20; i <= 157; ++i) ASSERT_EQ(f.celle[i].pendenza, 105) << i;
    EXPECT_EQ(f.celle[158].pendenza, 0);
}

TEST_F(LetturaLinea, PendenzeAgliEstremiDelByte) {
    leggi(linea_con("pendenza, 100, -100\r\npendenza, 200, 155\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[1].pendenza, 100);
    EXPECT_EQ(f.celle[3].pendenza, 0);
    EXPECT_EQ(f.celle[4].pendenza, 255);
}

TEST_F(LetturaLinea, TrattinoFaSaltareIlCampo) {
    struct caso {
        const char* testo;
        std::uint8_t cella_20;
    };
    const caso casi[] = {
        {"pen-denza, 1000, 5\r\n", 100},           // passed over; its numbers match nothing
        {"a-, b-, pendenza, 1000, 5\r\n", 105},    // two hyphen fields skipped
        {"a-, b-, c-pendenza, 1000, 5\r\n", 105},  // the third is used whatever it holds
    };
    for (const caso& c : casi) {
        leggi(linea_con(c.testo));
        ASSERT_EQ(f.codice_errore, 0) << c.testo;
        EXPECT_EQ(f.celle[20].pendenza, c.cella_20) << c.testo;
    }
}

TEST_F(LetturaLinea, CartelliIndicatori) {
    leggi(
        linea_con("cartello_indicatore, 1825,   (BIVIO)(NORD)  \r\n"
                  "montagna, 1000, 2000, 12\r\n"
                  "cartello_indicatore, 1100, SU MARCATORE\r\n"
                  "cartello_indicatore, 7900, ULTIMO\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[38].tipo, 14);
    EXPECT_EQ(f.celle[38].valore_1, 80);
    EXPECT_EQ(f.tabella_sim[80].nome, "(BIVIO)(NORD)");
    // Cell 23 held a scenery marker: a board may replace it.
    EXPECT_EQ(f.celle[23].tipo, 14);
    EXPECT_EQ(f.celle[23].valore_1, 79);
    EXPECT_EQ(f.celle[159].valore_1, 78);
    EXPECT_EQ(f.tabella_sim[78].nome, "ULTIMO");
    EXPECT_TRUE(treno_letto());
}

TEST_F(LetturaLinea, OttantesimoCartelloNonIncontraLeStazioni) {
    std::string righe;
    for (int n = 0; n < 80; ++n)
        righe += "cartello_indicatore, " + std::to_string(50 * n) + ", C\r\n";
    leggi(linea_con(righe));
    EXPECT_EQ(f.codice_errore, 15);
    EXPECT_EQ(f.posizione_errore, 50 * 79);
    EXPECT_EQ(f.tabella_sim[2].nome, "C");  // the 79th board
    EXPECT_EQ(f.tabella_sim[1].nome, "");
    EXPECT_EQ(f.celle[80].tipo, 0);
    EXPECT_TRUE(treno_letto());
}

TEST_F(LetturaLinea, MontagneEIlLoroLimite) {
    leggi(linea_con("montagna, 1000, 2000, 12\r\nmontagna, 7900, -5000, 1\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    for (int i = 20; i <= 39; ++i) ASSERT_EQ(f.celle[i].montagna, 2) << i;
    EXPECT_EQ(f.celle[19].montagna, 0);
    EXPECT_EQ(f.celle[40].montagna, 0);
    for (int i : {23, 27, 31, 35, 39}) EXPECT_EQ(f.celle[i].tipo, 11) << i;
    EXPECT_EQ(f.numero_montagne, 2);

    // A section that writes nothing still takes a slot; the 81st is refused.
    std::string righe;
    for (int n = 0; n < 81; ++n) righe += "montagna, " + std::to_string(n) + ", 0, 1\r\n";
    leggi(linea_con(righe));
    EXPECT_EQ(f.codice_errore, 15);
    EXPECT_EQ(f.posizione_errore, 80);
    EXPECT_EQ(f.numero_montagne, 80);
    EXPECT_TRUE(treno_letto());
}

TEST_F(LetturaLinea, IndicatoreDiVelocitaMassima) {
    leggi(linea_con("indicatori_vmax,  800,  90,  90,  100,  0,  90,  90,  100,  0\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.celle[17].tipo, 6);
    EXPECT_EQ(f.celle[17].valore_1, 1818);
    EXPECT_EQ(f.celle[17].valore_2, 1818);
    EXPECT_EQ(f.celle[17].valore_3, 2020);
}

TEST_F(LetturaLinea, CurvePiegano) {
    struct caso {
        const char* testo;
        double colonna_0;
    };
    // From the seeds the line runs along column 1; the first curved metre turns it by K.
    const caso casi[] = {{"curvad1, 100, 100\r\n", 0.0001},  {"curvas1, 100, 100\r\n", -0.0001},
                         {"curvaS1, 100, 100\r\n", -0.0001}, {"curvad3, 100, 100\r\n", 0.0004},
                         {"curvad6, 100, 100\r\n", 0.003},   {"curvad21, 100, 100\r\n", 0.0001}};
    for (const caso& c : casi) {
        leggi(linea_con(c.testo));
        ASSERT_EQ(f.codice_errore, 0) << c.testo;
        EXPECT_EQ(f.profilo_linea.valore(100, 0), 0.0) << c.testo;
        EXPECT_EQ(f.profilo_linea.valore(101, 0), c.colonna_0) << c.testo;
        EXPECT_EQ(f.profilo_linea.valore(101, 1), 101.0) << c.testo;
    }
}

TEST_F(LetturaLinea, CurvaOltreIlProfiloSiFermaAllUltimoMetro) {
    leggi(linea_con("curvad1, 7000, 5000\r\n"));
    ASSERT_EQ(f.codice_errore, 0);
    // The curve computes the last two metres, which a straight line leaves empty.
    EXPECT_EQ(f.profilo_linea.tipo(8000, 0), tipo_elemento::doppio);
    EXPECT_GT(f.profilo_linea.valore(8000, 0), 0.0);
}

TEST_F(LetturaLinea, SenzaProfiloLeCurveSonoIgnorate) {
    f.flag_j = 0;
    leggi(linea_con("curvas, 100, 100\r\ncurvad1, 100, 100\r\npendenza, 1000, 5\r\n"));
    EXPECT_EQ(f.codice_errore, 0);
    EXPECT_FALSE(f.profilo_linea.creato());
    EXPECT_EQ(f.celle[20].pendenza, 105);
}

TEST_F(LetturaLinea, SoloLfComeCrLf) {
    const std::string linea = linea_con(
        "curvas2, 1800, 1100\r\npendenza, 1000, 5\r\nmontagna, 1000, 2000, 12\r\n"
        "indicatori_vmax, 800, 90, 90, 100, 0, 90, 90, 100, 0\r\n"
        "cartello_indicatore, 1825, A B\r\n",
        "sfondo uno, 1\r\nripetizione segnali 9 codici, 50, 500\r\n");
    const std::string treno = treno_con(
        "orologio, 6 21 54\r\nvelocita, 0, 30\r\nstazione, 200, 2, 400, 0,0,0, 1,1,0, "
        "4,1,1, 1, 6,20,54, A\r\nsegnale, 1900, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n");
    auto solo_lf = [](std::string s) {
        std::erase(s, '\r');
        return s;
    };
    leggi(linea, treno);
    ASSERT_EQ(f.codice_errore, 0);
    const Form1 crlf = f;
    leggi(solo_lf(linea), solo_lf(treno));
    ASSERT_EQ(f.codice_errore, 0);
    EXPECT_TRUE(f.celle == crlf.celle);
    EXPECT_TRUE(f.tabella_sim == crlf.tabella_sim);
    EXPECT_TRUE(f.profilo_linea == crlf.profilo_linea);
}

}  // namespace
