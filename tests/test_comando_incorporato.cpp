// The program run with no command: the embedded scenario, as `make run` does it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "esecuzione_programma.h"
#include "platform/percorsi.h"

TEST(ComandoIncorporato, CompilesIntoTheGivenFolderSilently) {
    aiuto::cartella_temporanea d;
    const auto r = esegui_programma({"--dir", d.percorso(), "--json"});
    EXPECT_EQ(r.stato, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(nlohmann::json::parse(r.out), nlohmann::json::parse(R"({"codice_errore": 0,
        "posizione_errore": 0, "esito": "ok", "messaggio": "", "file": null, "riga": null,
        "scritti": ["Zarvelotimbrasquinoverdaltepa_linea.dat",
                    "Zarvelotimbrasquinoverdaltepa_9402.sim",
                    "Zarvelotimbrasquinoverdaltepa_9402.dat"], "avvisi": []})"));
    EXPECT_EQ(aiuto::elenco(d.percorso()),
              ".compila_scenario.lock\nZarvelotimbrasquinoverdaltepa_9402.dat\nZarvelotimbrasquinoverdaltepa_9402."
              "sim\nZarvelotimbrasquinoverdaltepa_9402_note.txt\nZarvelotimbrasquinoverdaltepa_"
              "9402_rallentamenti.txt\nZarvelotimbrasquinoverdaltepa_9402_scheda_treno."
              "txt\nZarvelotimbrasquinoverdaltepa_linea.dat\n");
}

TEST(ComandoIncorporato, HelpVersionAndUsage) {
    const auto aiuto = esegui_programma({"--help"});
    EXPECT_EQ(aiuto.stato, 0);
    EXPECT_NE(aiuto.out.find("64  uso errato"), std::string::npos);
    const auto versione = esegui_programma({"--version"});
    EXPECT_EQ(versione.stato, 0);
    EXPECT_EQ(versione.out.rfind("compila_scenario ", 0), 0u);
    const auto uso = esegui_programma({"--dir"});
    EXPECT_EQ(uso.stato, 64);
    EXPECT_EQ(uso.err,
              "compila_scenario: l'opzione '--dir' vuole una cartella\n"
              "Try 'compila_scenario --help' for more information.\n");
}

TEST(ComandoIncorporato, UnwritableFolderIsAFaultNamingThePath) {
    aiuto::cartella_temporanea d;
    aiuto::scrivi(d.file("file"), "x");
    const auto r = esegui_programma({"--dir", d.file("file"), "--quiet"});
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.err.rfind("compila_scenario: errore: impossibile creare " +
                              unisci_percorso(d.file("file"), ""),
                          0),
              0u)
        << r.err;
}
