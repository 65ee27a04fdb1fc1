#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aiuto_test.h"
#include "esecuzione_programma.h"
#include "model/form1.h"
#include "model/guasto.h"
#include "source_text/scenario_incorporato.h"
#include "source_text/testo_scenario.h"

namespace {

// Digests of the two text files, byte for byte as the scenario lists their lines.
constexpr const char* sha_file_linea =
    "4590f779aed7a96d4854ee844279b751ff8121d37e6526a7c99daf973cdade15";
constexpr const char* sha_file_treno =
    "51371b45f562e8146ebd18da607b1aa94f9f0575bf74dea80a5fa931cc580157";

TEST(RegolaDelMarcatore, FermaLUscitaSoloSeUgualeEsatto) {
    const std::string m = marcatore_fine;
    struct caso {
        std::vector<std::string> tabella;
        std::string atteso;
    };
    const caso casi[] = {
        {{m}, ""},
        {{"a", m, "b", m}, "a\r\n"},
        {{"x " + m, m}, "x " + m + "\r\n"},
        {{"Riferimento fine del file", m}, "Riferimento fine del file\r\n"},
        {{m + " ", "", m}, m + " \r\n\r\n"},
    };
    for (const caso& c : casi) EXPECT_EQ(componi_testo(c.tabella), c.atteso);
    EXPECT_THROW(componi_testo({"a", "b"}), guasto);
    // The marker must fall within the 1001 entries of a table.
    std::vector<std::string> lunga(1001, "x");
    lunga.push_back(m);
    EXPECT_THROW(componi_testo(lunga), guasto);
    EXPECT_NO_THROW(tabella_con_marcatore(std::vector<std::string>(1000, "x")));
    EXPECT_THROW(tabella_con_marcatore(std::vector<std::string>(1001, "x")), guasto);
}

TEST(Scrittori, FileDiLineaEDelTreno) {
    const std::string testo_linea = testo_file_linea();
    EXPECT_EQ(aiuto::sha256(testo_linea), sha_file_linea);
    EXPECT_EQ(aiuto::sha256(testo_file_treno()), sha_file_treno);
    EXPECT_TRUE(testo_linea.ends_with("\r\n[fine]\r\n"));
    EXPECT_EQ(testo_linea.find(marcatore_fine), std::string::npos);
}

// The run writes the side files empty over older ones, and an older, longer text file is
// replaced whole before the readers see it.
TEST(Scrittori, FileLateraliVuotiEFileSostituitiInteri) {
    aiuto::cartella_temporanea dir;
    const std::string base = dir.file("Zarvelotimbrasquinoverdaltepa_9402");
    for (const char* nome : {"_note.txt", "_rallentamenti.txt", "_scheda_treno.txt"}) {
        aiuto::scrivi(base + nome, "vecchio");
    }
    aiuto::scrivi(dir.file("Zarvelotimbrasquinoverdaltepa_linea.txt"), std::string(5000, 'z'));
    const auto r = esegui_programma({"--dir", dir.percorso(), "--quiet"});
    EXPECT_EQ(r.stato, 0) << r.err;
    for (const char* nome : {"_note.txt", "_rallentamenti.txt", "_scheda_treno.txt"}) {
        ASSERT_TRUE(aiuto::esiste(base + nome)) << nome;
        EXPECT_EQ(aiuto::leggi(base + nome), "") << nome;
    }
}

}  // namespace
