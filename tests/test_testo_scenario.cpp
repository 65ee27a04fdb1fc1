#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aiuto_test.h"
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

class Scrittori : public testing::Test {
  protected:
    void SetUp() override {
        f.cartella = dir.percorso();
        f.nome_linea = nome_linea_incorporata;
        f.numero_treno = numero_treno_incorporato;
    }
    std::string base() const { return dir.file(f.nome_linea + "_" + f.numero_treno); }

    aiuto::cartella_temporanea dir;
    Form1 f;
};

TEST_F(Scrittori, FileDiLineaEDelTreno) {
    const std::string linea = dir.file("Zarvelotimbrasquinoverdaltepa_linea.txt");
    const std::string treno = dir.file("Zarvelotimbrasquinoverdaltepa_9402-.txt");
    aiuto::scrivi(linea, std::string(5000, 'z'));  // an older, longer file is replaced whole
    f.dati_linea();
    f.dati_treno();
    const std::string testo_linea = aiuto::leggi(linea);
    EXPECT_EQ(aiuto::sha256(testo_linea), sha_file_linea);
    EXPECT_EQ(aiuto::sha256(aiuto::leggi(treno)), sha_file_treno);
    EXPECT_TRUE(testo_linea.ends_with("\r\n[fine]\r\n"));
    EXPECT_EQ(testo_linea.find(marcatore_fine), std::string::npos);
    // A second run gives the same bytes: replaced, never appended to.
    f.dati_linea();
    EXPECT_EQ(aiuto::leggi(linea), testo_linea);
}

TEST_F(Scrittori, FileLateraliVuoti) {
    for (const char* nome : {"_note.txt", "_rallentamenti.txt", "_scheda_treno.txt"}) {
        aiuto::scrivi(base() + nome, "vecchio");
    }
    f.dati_note();
    f.dati_rallentamenti();
    f.dati_scheda();
    for (const char* nome : {"_note.txt", "_rallentamenti.txt", "_scheda_treno.txt"}) {
        ASSERT_TRUE(aiuto::esiste(base() + nome)) << nome;
        EXPECT_EQ(aiuto::leggi(base() + nome), "") << nome;
    }
    EXPECT_EQ(aiuto::elenco(dir.percorso()),
              "Zarvelotimbrasquinoverdaltepa_9402_note.txt\n"
              "Zarvelotimbrasquinoverdaltepa_9402_rallentamenti.txt\n"
              "Zarvelotimbrasquinoverdaltepa_9402_scheda_treno.txt\n");
}

TEST_F(Scrittori, CartellaNonScrivibileEGuasto) {
    f.cartella = dir.file("manca");
    EXPECT_THROW(f.dati_linea(), guasto);
}

}  // namespace
