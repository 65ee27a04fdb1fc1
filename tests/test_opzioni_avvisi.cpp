// The warning options of the real program: what stderr and the JSON report say, the exit
// statuses, the encodings, and `spiega`.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "esecuzione_programma.h"

namespace {

const std::string linea_base =
    "[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvad2, 300, 400\r\n[fine]\r\n";
const std::string treno_con_avviso =
    "[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\nsegnal, 1500\r\n"
    "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n[fine]\r\n";

struct prova {
    aiuto::cartella_temporanea cartella;

    explicit prova(const std::string& treno) {
        aiuto::scrivi(cartella.file("Prova_linea.txt"), linea_base);
        aiuto::scrivi(cartella.file("Prova_7-.txt"), treno);
    }
    risultato_programma compila(std::vector<std::string> opzioni = {}) {
        std::vector<std::string> a{"compile", "Prova_linea.txt", "Prova_7-.txt",
                                   "-o",      "uscita",          "--json"};
        a.insert(a.end(), opzioni.begin(), opzioni.end());
        std::filesystem::create_directories(cartella.file("uscita"));
        return esegui_programma(a, cartella.percorso());
    }
    std::string uscita() { return aiuto::elenco(cartella.file("uscita")); }
};

nlohmann::json rapporto(const std::string& testo) {
    const auto fine = testo.find_last_not_of('\n');
    const auto inizio = testo.rfind('\n', fine);
    return nlohmann::json::parse(
        testo.substr(inizio == std::string::npos ? 0 : inizio + 1, fine + 1 - (inizio + 1)));
}

const std::string tre_file = "Prova_7.dat\nProva_7.sim\nProva_linea.dat\n";

}  // namespace

TEST(OpzioniAvvisiProgramma, AWarningIsPrintedAndListedAndTheStatusStaysZero) {
    prova p(treno_con_avviso);
    const auto r = p.compila();
    EXPECT_EQ(r.stato, 0);
    EXPECT_NE(r.err.find("Prova_7-.txt:4:1: avviso: «segnal» non è una parola chiave"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("[-Wparola-sconosciuta]\nsegnal, 1500\n^\n"), std::string::npos);
    const nlohmann::json j = rapporto(r.out);
    EXPECT_EQ(j["esito"], "ok");
    ASSERT_EQ(j["avvisi"].size(), 1u);
    EXPECT_EQ(j["avvisi"][0]["nome"], "parola-sconosciuta");
    EXPECT_EQ(j["avvisi"][0]["file"], "Prova_7-.txt");
    EXPECT_EQ(j["avvisi"][0]["riga"], 4);
    EXPECT_EQ(j["avvisi"][0]["colonna"], 1);
    EXPECT_EQ(p.uscita(), tre_file);
}

TEST(OpzioniAvvisiProgramma, WerrorMakesAWarningAFindingAndStillWrites) {
    prova p(treno_con_avviso);
    const auto r = p.compila({"-Werror"});
    EXPECT_EQ(r.stato, 2);
    EXPECT_EQ(rapporto(r.out)["esito"], "finding");
    EXPECT_EQ(p.uscita(), tre_file);
}

TEST(OpzioniAvvisiProgramma, WnoSilencesAndUnknownNamesAreUsageErrors) {
    prova p(treno_con_avviso);
    const auto r = p.compila({"-Wno-parola-sconosciuta", "-Werror"});
    EXPECT_EQ(r.stato, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(p.compila({"-Wno-inesistente"}).stato, 64);
    EXPECT_EQ(p.compila({"--encoding", "latin9"}).stato, 64);
}

TEST(OpzioniAvvisiProgramma, ACharacterOutsideWindows1252WritesNothing) {
    prova p(
        "[generale]\r\nstazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, "
        "\xC5\x81ODZ\r\n[fine]\r\n");
    const auto r = p.compila();
    EXPECT_EQ(r.stato, 1);
    EXPECT_NE(r.err.find("Prova_7-.txt:2:58: errore: il carattere U+0141"), std::string::npos)
        << r.err;
    EXPECT_EQ(p.uscita(), "");
    // Read byte for byte, the same file compiles.
    EXPECT_EQ(p.compila({"--encoding", "cp1252"}).stato, 0);
}

TEST(OpzioniAvvisiProgramma, SpiegaExplainsErrorsWarningsAndKeywords) {
    const auto errore = esegui_programma({"spiega", "22"});
    EXPECT_EQ(errore.stato, 0);
    EXPECT_TRUE(errore.out.starts_with("Error 22: ")) << errore.out;
    const auto avviso = esegui_programma({"spiega", "-Wnumero-valori"});
    EXPECT_EQ(avviso.stato, 0);
    EXPECT_TRUE(avviso.out.starts_with("Warning -Wnumero-valori: ")) << avviso.out;
    EXPECT_NE(avviso.out.find("    rallentamento, 400, 30, 100, 0, 0, 0\n"), std::string::npos);
    const auto elenco = esegui_programma({"spiega", "avvisi"});
    EXPECT_NE(elenco.out.find("-Wnon-raggiunto: "), std::string::npos);
    EXPECT_EQ(esegui_programma({"spiega", "nulla"}).stato, 1);
    EXPECT_EQ(esegui_programma({"spiega"}).stato, 64);
}
