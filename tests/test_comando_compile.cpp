// The compile command as an author uses it: names, outputs, diagnostics, JSON, statuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "esecuzione_programma.h"

namespace {

const std::string linea_base =
    "[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvad2, 300, 400\r\n[fine]\r\n";
const std::string treno_base =
    "[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\n"
    "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n[fine]\r\n";

struct scenario_prova {
    aiuto::cartella_temporanea cartella;
    std::string linea = cartella.file("Prova_linea.txt");
    std::string treno = cartella.file("Prova_7-.txt");

    scenario_prova(const std::string& testo_linea = linea_base,
                   const std::string& testo_treno = treno_base) {
        aiuto::scrivi(linea, testo_linea);
        aiuto::scrivi(treno, testo_treno);
    }

    risultato_programma compila(std::vector<std::string> opzioni = {}) {
        std::vector<std::string> a{"compile", "Prova_linea.txt", "Prova_7-.txt", "--json"};
        a.insert(a.end(), opzioni.begin(), opzioni.end());
        return esegui_programma(a, cartella.percorso());
    }
};

// The JSON report is the last line on stdout.
nlohmann::json rapporto(const std::string& testo) {
    const auto fine = testo.find_last_not_of('\n');
    const auto inizio = testo.rfind('\n', fine);
    return nlohmann::json::parse(
        testo.substr(inizio == std::string::npos ? 0 : inizio + 1, fine + 1 - (inizio + 1)));
}

}  // namespace

TEST(ComandoCompile, WritesTheThreeFilesAndLeavesTheSourcesUntouched) {
    scenario_prova s;
    const auto r = s.compila();
    EXPECT_EQ(r.stato, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(rapporto(r.out), nlohmann::json::parse(R"({"codice_errore": 0, "posizione_errore": 0,
        "esito": "ok", "messaggio": "", "file": null, "riga": null,
        "scritti": ["Prova_linea.dat", "Prova_7.sim", "Prova_7.dat"], "avvisi": []})"));
    EXPECT_EQ(aiuto::leggi(s.linea), linea_base);
    EXPECT_EQ(aiuto::leggi(s.treno), treno_base);
    EXPECT_EQ(aiuto::elenco(s.cartella.percorso()),
              ".compila_scenario.lock\nProva_7-.txt\nProva_7.dat\nProva_7.sim\nProva_linea.dat\n"
              "Prova_linea.txt\n");
    EXPECT_EQ(aiuto::leggi(s.cartella.file("Prova_7.dat")).size(), 15u * 181);
}

TEST(ComandoCompile, NoProfileLeavesAnEarlierProfileAlone) {
    scenario_prova s;
    aiuto::scrivi(s.cartella.file("Prova_linea.dat"), "earlier");
    const auto r = s.compila({"--no-profile"});
    EXPECT_EQ(r.stato, 0);
    EXPECT_EQ(rapporto(r.out)["scritti"],
              nlohmann::json::parse(R"(["Prova_7.sim", "Prova_7.dat"])"));
    EXPECT_EQ(aiuto::leggi(s.cartella.file("Prova_linea.dat")), "earlier");
}

TEST(ComandoCompile, CheckCompilesAndWritesNothing) {
    scenario_prova s(linea_base, treno_base + "stazione, 3725, 12, 400\r\n");
    const auto r = s.compila({"--check"});
    EXPECT_EQ(r.stato, 2);
    EXPECT_TRUE(rapporto(r.out)["scritti"].empty());
    EXPECT_EQ(aiuto::elenco(s.cartella.percorso()), "Prova_7-.txt\nProva_linea.txt\n");
}

TEST(ComandoCompile, OutputFolderAndExplicitNames) {
    scenario_prova s;
    aiuto::scrivi(s.cartella.file("linea.txt"), linea_base);
    aiuto::scrivi(s.cartella.file("marcia.txt"), treno_base);
    const auto r = esegui_programma({"compile", "linea.txt", "marcia.txt", "--line-name", "Lìnea",
                                     "--train", "12", "-o", s.cartella.percorso(), "--quiet"},
                                    s.cartella.percorso());
    ASSERT_EQ(r.stato, 0) << r.err;
    // File names keep the names as given; the station table holds them in Windows-1252.
    const std::string sim = aiuto::leggi(s.cartella.file("Lìnea_12.sim"));
    EXPECT_NE(sim.find("L\xECnea"), std::string::npos);
    EXPECT_TRUE(aiuto::esiste(s.cartella.file("Lìnea_linea.dat")));
}

// The names come from the files' own names, given as they are typed: on Windows through
// the UTF-16 command line, so that "à" arrives whole.
TEST(ComandoCompile, NomiDaFileConLettereAccentate) {
    scenario_prova s;
    aiuto::scrivi(s.cartella.file("Città_linea.txt"), linea_base);
    aiuto::scrivi(s.cartella.file("Città_7-.txt"), treno_base);
    const auto r = esegui_programma({"compile", "Città_linea.txt", "Città_7-.txt", "--quiet"},
                                    s.cartella.percorso());
    ASSERT_EQ(r.stato, 0) << r.err;
    EXPECT_NE(aiuto::leggi(s.cartella.file("Città_7.sim")).find("Citt\xE0"), std::string::npos);
    EXPECT_TRUE(aiuto::esiste(s.cartella.file("Città_7.dat")));
    EXPECT_TRUE(aiuto::esiste(s.cartella.file("Città_linea.dat")));
}

TEST(ComandoCompile, UsageErrorsSayWhatIsMissing) {
    scenario_prova s;
    aiuto::scrivi(s.cartella.file("linea.txt"), linea_base);
    struct caso {
        std::vector<std::string> argomenti;
        std::string messaggio;
    } casi[] = {
        {{"compile", "linea.txt", "Prova_7-.txt"}, "manca --line-name"},
        {{"compile", "Prova_linea.txt", "linea.txt"}, "manca --train"},
        {{"compile", "Prova_linea.txt", "Prova_7-.txt", "--train", "a/b"}, "contiene '/'"},
        {{"compile", "Prova_linea.txt"}, "compile vuole LINE_FILE e RUN_FILE"},
        {{"compile", "Prova_linea.txt", "Prova_7-.txt", "--bogus"}, "opzione sconosciuta"},
        {{"--bogus"}, "opzione sconosciuta '--bogus'"},
        {{"compile", "Prova_linea.txt", "Prova_7-.txt", "--finestra", "--quiet"},
         "--finestra e --quiet non vanno insieme"},
        {{"compile", "Prova_linea.txt", "Prova_7-.txt", "--ritardo-prova", "60001"},
         "'--ritardo-prova' vuole i millisecondi"},
        {{"--ritardo-prova", "uno"}, "'--ritardo-prova' vuole i millisecondi"},
        {{"--ritardo-prova"}, "'--ritardo-prova' vuole i millisecondi"},
    };
    for (const auto& c : casi) {
        const auto r = esegui_programma(c.argomenti, s.cartella.percorso());
        EXPECT_EQ(r.stato, 64) << c.messaggio;
        EXPECT_NE(r.err.find(c.messaggio), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Try 'compila_scenario --help' for more information.\n"),
                  std::string::npos);
    }
}

TEST(ComandoCompile, TrainFileFindingPointsAtTheField) {
    scenario_prova s(linea_base,
                     treno_base +
                         "stazione,    3725, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   "
                         "6,20,54, BETA\r\n");
    const auto r = s.compila();
    EXPECT_EQ(r.stato, 2);
    EXPECT_EQ(r.err,
              "Prova_7-.txt:6:14: errore 8: la posizione della stazione non è multipla di 50 m "
              "(posizione 3725 m)\n"
              "stazione,    3725, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,20,54, BETA\n"
              "             ^\n");
    const nlohmann::json j = rapporto(r.out);
    EXPECT_EQ(j["esito"], "finding");
    EXPECT_EQ(j["codice_errore"], 8);
    EXPECT_EQ(j["posizione_errore"], 3725);
    EXPECT_EQ(j["file"], "Prova_7-.txt");
    EXPECT_EQ(j["riga"], 6);
    EXPECT_TRUE(aiuto::esiste(s.cartella.file("Prova_7.sim")));
}

TEST(ComandoCompile, LineFileFindingPointsAtTheField) {
    scenario_prova s(
        "[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncartello_indicatore, 500, (A)\r\n"
        "cartello_indicatore, 500, (B)\r\n[fine]\r\n",
        treno_base);
    const auto r = s.compila();
    EXPECT_EQ(r.stato, 2);
    EXPECT_EQ(
        r.err,
        "Prova_linea.txt:5:22: errore 6: il cartello indicatore cade su una cella già occupata "
        "(posizione 500 m)\n"
        "cartello_indicatore, 500, (B)\n"
        "                     ^\n");
}

TEST(ComandoCompile, PassFindingNamesNoFile) {
    // Signals fill the three cells 5 to 7 before the slowdown's start cell 31.
    scenario_prova s(linea_base, treno_base +
                                     "segnale, 1150, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n"
                                     "segnale, 1200, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n"
                                     "segnale, 1250, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n"
                                     "rallentamento, 1500, 60, 400, 0, 0, 0\r\n");
    const auto r = s.compila();
    EXPECT_EQ(r.stato, 2);
    EXPECT_EQ(r.err,
              "compila_scenario: errore 12: prima dell'inizio del rallentamento non c'è una "
              "cella libera per l'abbattimento (posizione 1550 m)\n");
    EXPECT_TRUE(rapporto(r.out)["file"].is_null());
    EXPECT_TRUE(rapporto(r.out)["riga"].is_null());
}

TEST(ComandoCompile, HeaderConflictWritesNoBinaryFile) {
    scenario_prova s(linea_base, treno_base + "segnale, 0, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n");
    aiuto::scrivi(s.cartella.file("Prova_7.sim"), "earlier");
    const auto r = s.compila();
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.err, " Errore n. 1250\n");
    EXPECT_EQ(rapporto(r.out)["esito"], "errore");
    EXPECT_EQ(rapporto(r.out)["messaggio"], " Errore n. 1250");
    EXPECT_EQ(aiuto::leggi(s.cartella.file("Prova_7.sim")), "earlier");
    EXPECT_FALSE(aiuto::esiste(s.cartella.file("Prova_7.dat")));
}

TEST(ComandoCompile, FaultsCompileNothing) {
    struct caso {
        std::string linea;
        std::string treno_file;
        std::string atteso;
    } casi[] = {
        {"[generale]\r\n[curve]\r\n[fine]\r\n", "Prova_7-.txt",
         "Prova_linea.txt: errore 1: lunghezza percorso mancante"},
        {linea_base, "Assente_7-.txt", "compila_scenario: errore: impossibile aprire"},
        {"[generale]\r\nlunghezza percorso, 20x0\r\n", "Prova_7-.txt",
         "Prova_linea.txt:2:21: errore 25: dato non leggibile (numero atteso, trovato \"20x0\")"},
    };
    for (const auto& c : casi) {
        scenario_prova s(c.linea, treno_base);
        const auto r =
            esegui_programma({"compile", "Prova_linea.txt", c.treno_file, "--train", "7", "--json"},
                             s.cartella.percorso());
        EXPECT_EQ(r.stato, 1);
        EXPECT_NE(r.err.find(c.atteso), std::string::npos) << r.err;
        EXPECT_EQ(rapporto(r.out)["esito"], "fault");
        EXPECT_FALSE(aiuto::esiste(s.cartella.file("Prova_7.sim")));
    }
}

TEST(ComandoCompile, PlanDrawsTheCompiledScenarioAndDumpReadsIt) {
    scenario_prova s;
    const auto r = s.compila({"--plan", "piano.svg"});
    ASSERT_EQ(r.stato, 0) << r.err;
    EXPECT_NE(aiuto::leggi(s.cartella.file("piano.svg")).find("ALFA"), std::string::npos);
    const auto dump = esegui_programma({"dump", "Prova_7.sim", "--json"}, s.cartella.percorso());
    EXPECT_EQ(dump.stato, 0);
    EXPECT_NE(dump.out.find("\"ALFA\""), std::string::npos);
    const auto piano = esegui_programma({"plan", "Prova_7.sim"}, s.cartella.percorso());
    EXPECT_EQ(piano.stato, 64);
    EXPECT_EQ(s.compila({"--plan", "x.svg", "--check"}).stato, 64);
}
