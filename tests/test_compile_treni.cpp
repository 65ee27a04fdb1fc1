// Several trains on one line in one command, and a scenario folder: the same files as one
// compile per train, each train's findings under its own file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "esecuzione_programma.h"
#include "platform/percorsi.h"

namespace {

const std::string linea_curve =
    "[generale]\r\nlunghezza percorso, 3000\r\n[curve]\r\ncurvad2, 300, 400\r\n"
    "curvas4, 1200, 300\r\n[pendenze]\r\npendenza, 500, 6\r\n[fine]\r\n";

std::string treno(int velocita, const std::string& altre_righe = "") {
    return "[generale]\r\nvelocita, 0, " + std::to_string(velocita) +
           "\r\naderenza, 0, 100\r\n"
           "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n" +
           altre_righe + "[fine]\r\n";
}

const std::string errore_8 = "stazione, 3725, 12, 400\r\n";
const std::string conflitto_1250 = "segnale, 0, 2, 3, 1, 0, 0, 0, 0,0,0, 0\r\n";

// A folder of sources, and a compile of them run from inside it.
struct cartella_scenari {
    aiuto::cartella_temporanea cartella;

    // Writes a file, making the folders it lies in.
    void scrivi(const std::string& nome, const std::string& testo) {
        std::filesystem::create_directories(
            std::filesystem::path(cartella.file(nome)).parent_path());
        aiuto::scrivi(cartella.file(nome), testo);
    }
    risultato_programma compila(std::vector<std::string> argomenti) {
        argomenti.insert(argomenti.begin(), "compile");
        return esegui_programma(argomenti, cartella.percorso());
    }
    // Every file of a folder with its bytes, for comparing two folders whole.
    std::string contenuto(const std::string& sotto) const {
        const std::string percorso = cartella.file(sotto);
        std::istringstream nomi(aiuto::elenco(percorso));
        std::string testo;
        for (std::string nome; std::getline(nomi, nome);) {
            testo += nome + " " + aiuto::sha256(aiuto::leggi(percorso + "/" + nome)) + "\n";
        }
        return testo;
    }
};

nlohmann::json ultima_riga_json(const std::string& testo) {
    const auto fine = testo.find_last_not_of('\n');
    const auto inizio = testo.rfind('\n', fine);
    return nlohmann::json::parse(
        testo.substr(inizio == std::string::npos ? 0 : inizio + 1, fine + 1 - (inizio + 1)));
}

}  // namespace

// Each case compiles three trains on one line both ways: one command per train into one folder,
// all three in one command into another. The folders must hold the same bytes, and the one
// command must end with the worst of the three statuses.
TEST(CompileTreni, OneCommandWritesWhatSeparateCompilesWrite) {
    struct caso {
        const char* nome;
        std::string linea;
        std::vector<std::string> treni;  // trains 7, 8 and 9
        int stato;
    } casi[] = {
        {"clean", linea_curve, {treno(60), treno(90), treno(120)}, 0},
        {"a finding in one train", linea_curve, {treno(60), treno(90, errore_8), treno(120)}, 2},
        // The first train writes nothing: the profile must still be written once.
        {"header conflict in the first train",
         linea_curve,
         {treno(60, conflitto_1250), treno(90), treno(120)},
         1},
        // A curve without a grade is a finding only when the profile is computed: every train
        // must be compiled as if it wrote the profile.
        {"line finding found while computing the profile",
         "[generale]\r\nlunghezza percorso, 3000\r\n[curve]\r\ncurvad9, 300, 400\r\n[fine]\r\n",
         {treno(60), treno(90), treno(120)},
         2},
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(c.nome);
        cartella_scenari s;
        s.scrivi("Linea_linea.txt", c.linea);
        const std::vector<std::string> file{"Linea_7-.txt", "Linea_8-.txt", "Linea_9-.txt"};
        for (std::size_t i = 0; i < file.size(); ++i) s.scrivi(file[i], c.treni[i]);
        s.scrivi("separati/.tieni", "");
        s.scrivi("insieme/.tieni", "");
        std::vector<int> stati;
        std::string err_separati;
        for (const std::string& f : file) {
            const auto r = s.compila({"Linea_linea.txt", f, "-o", "separati"});
            stati.push_back(r.stato);
            err_separati += r.err;
        }
        const auto r = s.compila({"Linea_linea.txt", file[0], file[1], file[2], "-o", "insieme"});
        EXPECT_EQ(r.stato, c.stato);
        const bool un_errore = std::count(stati.begin(), stati.end(), 1) > 0;
        EXPECT_EQ(un_errore ? 1 : *std::max_element(stati.begin(), stati.end()), c.stato);
        EXPECT_EQ(s.contenuto("insieme"), s.contenuto("separati"));
        EXPECT_NE(s.contenuto("insieme").find("Linea_linea.dat"), std::string::npos);
        EXPECT_EQ(r.err.empty(), err_separati.empty()) << r.err;
    }
}

TEST(CompileTreni, EachTrainsFindingsComeUnderItsOwnFile) {
    cartella_scenari s;
    s.scrivi("Linea_linea.txt", linea_curve);
    s.scrivi("Linea_7-.txt", treno(60));
    s.scrivi("Linea_8-.txt", treno(60, errore_8));
    s.scrivi("Linea_9-.txt", treno(60, conflitto_1250));
    const auto r =
        s.compila({"Linea_linea.txt", "Linea_7-.txt", "Linea_8-.txt", "Linea_9-.txt", "--json"});
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.err,
              "compila_scenario: treno 8 (Linea_8-.txt):\n"
              "Linea_8-.txt:5:11: errore 8: la posizione della stazione non è multipla di 50 m "
              "(posizione 3725 m)\n"
              "stazione, 3725, 12, 400\n"
              "          ^\n"
              "compila_scenario: treno 9 (Linea_9-.txt):\n"
              " Errore n. 1250\n");
    const nlohmann::json rapporto = ultima_riga_json(r.out);
    ASSERT_TRUE(rapporto.is_array());
    ASSERT_EQ(rapporto.size(), 3u);
    EXPECT_EQ(rapporto[0], nlohmann::json::parse(R"({"linea": "Linea", "treno": "7",
        "codice_errore": 0, "posizione_errore": 0, "esito": "ok", "messaggio": "",
        "file": null, "riga": null,
        "scritti": ["Linea_linea.dat", "Linea_7.sim", "Linea_7.dat"], "avvisi": []})"));
    EXPECT_EQ(rapporto[1]["esito"], "finding");
    EXPECT_EQ(rapporto[1]["file"], "Linea_8-.txt");
    EXPECT_EQ(rapporto[1]["riga"], 5);
    EXPECT_EQ(rapporto[1]["scritti"], nlohmann::json::parse(R"(["Linea_8.sim", "Linea_8.dat"])"));
    EXPECT_EQ(rapporto[2]["esito"], "errore");
    EXPECT_TRUE(rapporto[2]["scritti"].empty());
    EXPECT_TRUE(aiuto::esiste(s.cartella.file("Linea_7.sim")));
    EXPECT_FALSE(aiuto::esiste(s.cartella.file("Linea_9.sim")));
}

// A folder holds two lines, one name the start of the other: each run file goes with the
// longest line name it begins with; other files are left alone.
TEST(CompileTreni, FolderCompilesEveryLineWithItsTrains) {
    cartella_scenari s;
    s.scrivi("scenari/Valle_linea.txt", linea_curve);
    s.scrivi("scenari/Valle_1-.txt", treno(60));
    s.scrivi("scenari/Valle_2-.txt", treno(80));
    s.scrivi(
        "scenari/Valle_Alta_linea.txt",
        "[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvas1, 100, 200\r\n[fine]\r\n");
    s.scrivi("scenari/Valle_Alta_3-.txt", treno(50));
    s.scrivi("scenari/Valle_1_scheda_treno.txt", "");
    s.scrivi("scenari/Monte_linea.txt", linea_curve);  // no train: nothing to compile
    s.scrivi("separati/.tieni", "");
    s.scrivi("cartella/.tieni", "");
    for (const auto& [linea, marcia] : {std::pair{"Valle_linea.txt", "Valle_1-.txt"},
                                        {"Valle_linea.txt", "Valle_2-.txt"},
                                        {"Valle_Alta_linea.txt", "Valle_Alta_3-.txt"}}) {
        ASSERT_EQ(s.compila({std::string("scenari/") + linea, std::string("scenari/") + marcia,
                             "-o", "separati"})
                      .stato,
                  0);
    }
    const auto r = s.compila({"scenari", "-o", "cartella", "--json"});
    EXPECT_EQ(r.stato, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(s.contenuto("cartella"), s.contenuto("separati"));
    EXPECT_EQ(aiuto::elenco(s.cartella.file("cartella")),
              ".compila_scenario.lock\n.tieni\nValle_1.dat\nValle_1.sim\nValle_2.dat\nValle_2."
              "sim\nValle_Alta_3.dat\n"
              "Valle_Alta_3.sim\nValle_Alta_linea.dat\nValle_linea.dat\n");
    const nlohmann::json rapporto = ultima_riga_json(r.out);
    ASSERT_EQ(rapporto.size(), 3u);
    EXPECT_EQ(rapporto[0]["linea"], "Valle_Alta");
    EXPECT_EQ(rapporto[0]["treno"], "3");
    EXPECT_EQ(rapporto[2]["linea"], "Valle");
    EXPECT_EQ(rapporto[2]["treno"], "2");
}

// One train found in a folder reports as a compile of its two files does.
TEST(CompileTreni, FolderWithOneTrainReportsAsOneCompile) {
    cartella_scenari s;
    s.scrivi("scenari/Prova_linea.txt", linea_curve);
    s.scrivi("scenari/Prova_7-.txt", treno(60, errore_8));
    const auto cartella = s.compila({"scenari", "--json"});
    // The folder's files named as the folder names them, with the platform's separator.
    const auto file = s.compila({unisci_percorso("scenari", "Prova_linea.txt"),
                                 unisci_percorso("scenari", "Prova_7-.txt"), "--json"});
    EXPECT_EQ(cartella.stato, 2);
    EXPECT_EQ(cartella.err, file.err);
    EXPECT_EQ(cartella.out, file.out);
    EXPECT_TRUE(ultima_riga_json(cartella.out).is_object());
}

TEST(CompileTreni, VerboseSaysInOneLineWhatWasWritten) {
    cartella_scenari s;
    s.scrivi("Linea_linea.txt", linea_curve);
    s.scrivi("Linea_7-.txt", treno(60));
    s.scrivi("Linea_8-.txt", treno(60, errore_8));
    s.scrivi("Linea_9-.txt", treno(60, conflitto_1250));
    struct caso {
        std::vector<std::string> argomenti;
        std::string ultima_riga;
    } casi[] = {
        {{"Linea_linea.txt", "Linea_7-.txt", "-v"},
         "compila_scenario: scritti in .: Linea_linea.dat, Linea_7.sim, Linea_7.dat\n"},
        {{"Linea_linea.txt", "Linea_7-.txt", "--verbose", "--check"},
         "compila_scenario: nessun file scritto\n"},
        {{"Linea_linea.txt", "Linea_7-.txt", "Linea_8-.txt", "-v"},
         "compila_scenario: 2 treni su 1 linea, 5 file scritti in .; 1 con errori di "
         "validazione\n"},
        {{".", "-v", "--no-profile"},
         "compila_scenario: 3 treni su 1 linea, 4 file scritti in .; 1 con errori di "
         "validazione; 1 non compilato\n"},
    };
    for (const caso& c : casi) {
        const auto r = s.compila(c.argomenti);
        ASSERT_GE(r.err.size(), c.ultima_riga.size());
        EXPECT_EQ(r.err.substr(r.err.size() - c.ultima_riga.size()), c.ultima_riga) << r.err;
    }
    // Plain runs stay silent when all is well.
    const auto muto = s.compila({"Linea_linea.txt", "Linea_7-.txt"});
    EXPECT_EQ(muto.stato, 0);
    EXPECT_EQ(muto.err, "");
    EXPECT_EQ(muto.out, "");
}

TEST(CompileTreni, UsageErrorsOfSeveralTrains) {
    cartella_scenari s;
    s.scrivi("Linea_linea.txt", linea_curve);
    s.scrivi("Linea_7-.txt", treno(60));
    s.scrivi("Linea_8-.txt", treno(60));
    s.scrivi("altra/Linea_7-.txt", treno(90));
    s.scrivi("marcia.txt", treno(60));
    s.scrivi("vuota/.tieni", "");
    struct caso {
        std::vector<std::string> argomenti;
        std::string messaggio;
    } casi[] = {
        {{"Linea_linea.txt", "Linea_7-.txt", "Linea_8-.txt", "--train", "5"},
         "--train vuole un solo file di marcia"},
        {{"Linea_linea.txt", "Linea_7-.txt", "Linea_8-.txt", "--plan", "p.svg"},
         "--plan vuole un solo treno"},
        {{".", "--line-name", "X"}, "--line-name non va con una cartella"},
        {{"Linea_linea.txt", "Linea_7-.txt", "altra/Linea_7-.txt"},
         "due file di marcia danno il treno 7 della linea Linea"},
        {{"Linea_linea.txt", "Linea_7-.txt", "marcia.txt"}, "il nome di marcia.txt non è"},
        {{"vuota"}, "nessuna linea con treni in vuota"},
        {{"Linea_linea.txt"}, "compile vuole LINE_FILE e RUN_FILE, o una cartella"},
    };
    for (const caso& c : casi) {
        const auto r = s.compila(c.argomenti);
        EXPECT_EQ(r.stato, 64);
        EXPECT_NE(r.err.find(c.messaggio), std::string::npos) << r.err;
    }
    EXPECT_FALSE(aiuto::esiste(s.cartella.file("Linea_7.sim")));
}
