// The compilation as a library: texts in, findings and files out, nothing on disk, and
// nothing carried from one compilation to the next.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "aiuto_test.h"
#include "compilazione/formato_reperti.h"
#include "corpus_scenari.h"
#include "driver/esecuzione.h"
#include "platform/ambiente.h"
#include "platform/cartella_temporanea.h"
#include "platform/percorso_fs.h"
#include "source_text/scenario_incorporato.h"

namespace {

using aiuto::linea_con;
using aiuto::treno_con;

std::string elenco_ricorsivo(const std::string& cartella) {
    std::string nomi;
    for (const auto& voce : std::filesystem::recursive_directory_iterator(cartella)) {
        nomi += voce.path().string() + "\n";
    }
    return nomi;
}

// Run from an empty folder that is also the temporary folder: it stays empty. (Each test
// runs in a process of its own, so changing both here touches no other test.)
TEST(CompilaTesti, InMemoriaNessunFileSuDisco) {
    aiuto::cartella_temporanea vuota;
    const std::filesystem::path prima = std::filesystem::current_path();
    const std::string variabile = variabile_cartella_temporanea();
    const std::optional<std::string> tmpdir_prima = leggi_variabile(variabile);
    imposta_variabile(variabile, vuota.percorso());
    std::filesystem::current_path(percorso_fs(vuota.percorso()));
    const aiuto::compilato c =
        aiuto::compila_in_memoria(testo_file_linea(), testo_file_treno(), 1, nome_linea_incorporata,
                                  numero_treno_incorporato);
    std::filesystem::current_path(prima);
    imposta_variabile(variabile, tmpdir_prima);
    EXPECT_EQ(c.esito.codice_errore, 0);
    EXPECT_EQ(c.file.size(), 3u);
    EXPECT_EQ(c.esito.file_prodotti.size(), 3u);
    EXPECT_EQ(elenco_ricorsivo(vuota.percorso()), "");
}

// A second compilation in the same process starts from nothing: a line file without its
// general section is error 102, as in a fresh process, and nothing is compiled.
TEST(CompilaTesti, DueCompilazioniComeDueProcessi) {
    const aiuto::compilato buona = aiuto::compila_in_memoria(linea_con(""), treno_con(""));
    const aiuto::compilato cattiva =
        aiuto::compila_in_memoria("lunghezza percorso, 1000\r\n[fine]\r\n", treno_con(""));
    EXPECT_EQ(buona.esito.codice_errore, 0);
    EXPECT_EQ(cattiva.esito.codice_errore, 102);
    EXPECT_EQ(cattiva.esito.fine, fine_compilazione::modello_assente);
    EXPECT_TRUE(cattiva.file.empty());
    const aiuto::compilato ancora = aiuto::compila_in_memoria(linea_con(""), treno_con(""));
    EXPECT_EQ(ancora.file, buona.file);
    EXPECT_EQ(ancora.esito.reperti, buona.esito.reperti);
}

struct caso_luogo {
    const char* nome;
    std::string linea;
    std::string treno;
    std::int32_t codice;
    std::int32_t posizione;
    std::string attesa;  // the diagnostic's first line
};

class LuogoDelReperto : public testing::TestWithParam<caso_luogo> {};

// Each finding is reported at the file and line that caused it.
TEST_P(LuogoDelReperto, NominaFileERigaGiusti) {
    const caso_luogo& c = GetParam();
    const aiuto::compilato r = aiuto::compila_in_memoria(c.linea, c.treno);
    EXPECT_EQ(r.esito.codice_errore, c.codice);
    EXPECT_EQ(r.esito.posizione_errore, c.posizione);
    ASSERT_FALSE(r.esito.reperti.empty());
    const nomi_sorgenti nomi{"W_linea.txt", "W_1-.txt"};
    EXPECT_EQ(riga_reperto(r.esito.reperti.front(), nomi), c.attesa)
        << descrivi_reperti(r.esito.reperti, nomi);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, LuogoDelReperto,
    testing::Values(
        // The line file's range check stops the train reader at its first signal, which takes
        // over the position; the error still belongs to the line file's line 4.
        caso_luogo{"errore_della_linea_non_del_treno",
                   "[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\n"
                   "pendenza, 9000, 5\r\n[fine]\r\n",
                   treno_con("segnale, 500, 0, 0,0,0, 0, 0, 0,0,0, 0\r\n"), 15, 500,
                   "W_linea.txt:4:11: errore 15: posizione fuori dalla linea: oltre la fine del "
                   "modello o prima dell'inizio (posizione 9000 m)"},
        // A line short of its gradient takes it from the next line, where it is no number:
        // the fault is the short line's.
        caso_luogo{"valore_mancante_alla_riga_corta",
                   linea_con("pendenza, 500\r\npendenza, 700, 3\r\n"), treno_con(""), 25, 0,
                   "W_linea.txt:4:14: errore 25: dato non leggibile (mancano valori in questa "
                   "riga: il valore 2 è stato preso dalla riga 5, colonna 1: numero atteso, "
                   "trovato \"pendenza\")"},
        caso_luogo{"stazione_corta_nel_treno", linea_con(""),
                   treno_con("stazione, 100, 2, 400, 0\r\nvelocita, 0, 30\r\n"), 25, 0,
                   "W_1-.txt:2:25: errore 25: dato non leggibile (mancano valori in questa "
                   "riga: il valore 5 è stato preso dalla riga 3, colonna 1: numero atteso, "
                   "trovato \"velocita\")"}),
    [](const testing::TestParamInfo<caso_luogo>& i) { return i.param.nome; });

TEST(LuogoDelReperto, LaRigaDelTrenoHaUnaNota) {
    const aiuto::compilato r = aiuto::compila_in_memoria(
        "[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\npendenza, 9000, 5\r\n[fine]\r\n",
        treno_con("segnale, 500, 0, 0,0,0, 0, 0, 0,0,0, 0\r\n"));
    ASSERT_EQ(r.esito.reperti.size(), 2u);
    const reperto& nota = r.esito.reperti[1];
    EXPECT_EQ(nota.livello, livello_reperto::nota);
    EXPECT_EQ(nota.luogo.file, sorgente::file_treno);
    EXPECT_EQ(nota.luogo.riga, 2);
}

// A gradient outside its byte on a line beyond the end of the line: the range check comes
// first, and the train run file is read as after a normal end.
struct caso_pendenza {
    const char* nome;
    std::string linea;
    std::string treno;
    fine_compilazione fine;
    std::int32_t codice;
    std::int32_t posizione;
    const char* digest_sim;  // first 16 hex digits of the .sim's SHA-256; "" when none
};

// The three cases that compile hold the same cells and profile: those of the line file
// without its gradient line.
constexpr const char* digest_celle = "59f07161acf1cd92";
constexpr const char* digest_profilo = "5677f68c2fdc8b0b";

class PendenzaOltreLaLinea : public testing::TestWithParam<caso_pendenza> {};

TEST_P(PendenzaOltreLaLinea, IlControlloDiPortataVienePrima) {
    const caso_pendenza& c = GetParam();
    const aiuto::compilato r = aiuto::compila_in_memoria(c.linea, c.treno, 1, "X", "1");
    EXPECT_EQ(r.esito.fine, c.fine);
    EXPECT_EQ(r.esito.codice_errore, c.codice);
    EXPECT_EQ(r.esito.posizione_errore, c.posizione);
    auto digest = [&r](const std::string& nome) {
        return r.file.contains(nome) ? aiuto::sha256(r.file.at(nome)).substr(0, 16) : "";
    };
    EXPECT_EQ(digest("X_1.sim"), c.digest_sim);
    const bool scritti = !std::string(c.digest_sim).empty();
    EXPECT_EQ(r.file.size(), scritti ? 3u : 0u);
    if (scritti) {
        EXPECT_EQ(digest("X_1.dat"), digest_celle);
        EXPECT_EQ(digest("X_linea.dat"), digest_profilo);
    }
}

std::string linea_pendenza(const char* pendenza, const char* prima = "[pendenze]\r\n") {
    return std::string("[generale]\r\nlunghezza percorso, 0\r\n") + prima + "pendenza, 7000, " +
           pendenza + "\r\n[fine]\r\n";
}
const char* const cartello = "[indicazioni]\r\ncartello_indicatore, 0, (T)\r\n";

INSTANTIATE_TEST_SUITE_P(
    Casi, PendenzaOltreLaLinea,
    testing::Values(
        caso_pendenza{"sabbia", linea_pendenza("156"), treno_con("sabbia, 1\r\n"),
                      fine_compilazione::completata, 15, 7000, "2b6cb57737402e65"},
        caso_pendenza{"stazione_iniziale", linea_pendenza("-101"),
                      treno_con("stazione, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, S\r\n"),
                      fine_compilazione::completata, 24, 7000, "dea58180a99eaaa4"},
        caso_pendenza{"segnale_prima_della_linea", linea_pendenza("156"),
                      treno_con("segnale, -126, 2, 3, 1, 0, 0, 0, 2, 0, 0, 0\r\n"),
                      fine_compilazione::completata, 15, -126, "00aac7a9cdd3457e"},
        caso_pendenza{"cartello_in_testa", linea_pendenza("300", cartello), treno_con(""),
                      fine_compilazione::errore, 15, 7000, ""},
        caso_pendenza{"sabbia_fuori_campo", linea_pendenza("300", cartello),
                      treno_con("sabbia, 40000\r\n"), fine_compilazione::errore, 25, 7000, ""}),
    [](const testing::TestParamInfo<caso_pendenza>& i) { return i.param.nome; });

// The generated corpus compiles to the outcome, codes and bytes recorded for it.
TEST(CorpusScenari, StessiRisultatiRegistrati) {
    std::ifstream registro(std::string(COMPILA_SORGENTI) + "/tests/dati/corpus_atteso.txt");
    ASSERT_TRUE(registro) << "tests/dati/corpus_atteso.txt";
    const std::vector<caso_corpus> casi = corpus_scenari(600);
    std::string riga;
    std::size_t n = 0;
    auto digest = [](const aiuto::compilato& c, const std::string& nome) {
        return c.file.contains(nome) ? aiuto::sha256(c.file.at(nome)).substr(0, 16)
                                     : std::string("-");
    };
    for (; std::getline(registro, riga); ++n) {
        ASSERT_LT(n, casi.size());
        const caso_corpus& c = casi[n];
        const aiuto::compilato r =
            aiuto::compila_in_memoria(c.linea, c.treno, c.flag_j, c.nome, "1");
        const rapporto_esecuzione rapporto = rapporto_di(r.esito, {"linea", "treno"});
        std::ostringstream ottenuta;
        ottenuta << c.nome << " " << nome_esito(rapporto.esito) << " " << r.esito.codice_errore
                 << " " << r.esito.posizione_errore << " " << digest(r, c.nome + "_linea.dat")
                 << " " << digest(r, c.nome + "_1.sim") << " " << digest(r, c.nome + "_1.dat");
        EXPECT_EQ(ottenuta.str(), riga);
    }
    EXPECT_EQ(n, casi.size());
}

}  // namespace
