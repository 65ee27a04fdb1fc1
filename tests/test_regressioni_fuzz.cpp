// Hostile inputs that push the readers to the edges of the model: each must end in a
// defined result, never in a write outside the cells, the rows or the profile. Inputs a
// fuzzing run finds join this table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "aiuto_test.h"
#include "driver/esecuzione.h"

namespace {

namespace fs = std::filesystem;

std::string ripeti(const std::string& riga, int volte) {
    std::string testo;
    for (int i = 0; i < volte; ++i) testo += riga;
    return testo;
}

std::string linea(int lunghezza, const std::string& altro = "") {
    return "[generale]\nlunghezza percorso, " + std::to_string(lunghezza) + "\n[curve]\n" + altro +
           "[fine]\n";
}

const std::string treno = "[generale]\nnumero vetture, 5\nvelocita, 0, 100\naderenza, 0, 90\n";

std::string montagne(int quante) {
    std::string testo = "[montagne]\n";
    for (int i = 0; i < quante; ++i) {
        testo += "montagna, " + std::to_string(i * 1000) + ", " + std::to_string(i * 1000 + 500) +
                 ", 1\n";
    }
    return testo;
}

struct caso {
    const char* nome;
    std::string linea;
    std::string treno;
    esito_esecuzione esito;
    int codice_errore;
};

void PrintTo(const caso& c, std::ostream* os) {
    *os << c.nome;
}

class RegressioniFuzz : public ::testing::TestWithParam<caso> {};

TEST_P(RegressioniFuzz, EndsInADefinedResult) {
    const caso& c = GetParam();
    const aiuto::compilato risultato = aiuto::compila_in_memoria(c.linea, c.treno, 1, "F", "1");
    const rapporto_esecuzione esito = rapporto_di(risultato.esito, nomi_sorgenti{"linea", "treno"});
    EXPECT_EQ(esito.esito, c.esito) << esito.diagnostica;
    EXPECT_EQ(risultato.esito.codice_errore, c.codice_errore) << esito.diagnostica;
    const bool compilato = c.esito == esito_esecuzione::ok || c.esito == esito_esecuzione::finding;
    EXPECT_EQ(risultato.file.size(), compilato ? 3u : 0u);
}

using enum esito_esecuzione;

INSTANTIATE_TEST_SUITE_P(
    Casi, RegressioniFuzz,
    ::testing::Values(
        // A curve that runs past the longest profile stops there.
        caso{"CurvaOltreIlProfilo", linea(1000000, "curvas1, 0, 2000000\n"), treno, finding, 103},
        // The 81st mountain section has no slot.
        caso{"OttantunoMontagne", linea(100000, montagne(81)), treno, finding, 15},
        // Each repeated gradient or speed line moves its fill cursor one cell on, past the
        // last cell in the end.
        caso{"PendenzeRipetute", linea(5000, "[pendenze]\n" + ripeti("pendenza, 50, 5\n", 300)),
             treno, finding, 25},
        caso{"VelocitaRipetute", linea(5000), treno + ripeti("aderenza, 50, 5\n", 300), finding,
             25},
        // A board text longer than a station-table name can hold.
        caso{"TestoTroppoLungo",
             linea(5000,
                   "[indicazioni]\ncartello_indicatore, 1000, " + std::string(70000, 'Y') + "\n"),
             treno, finding, 25},
        // A speed pair that does not fit its 16-bit cell field.
        caso{"IndicatoreFuoriCampo",
             linea(5000, "indicatori_vmax, 800, 2147483647, 90, 100, 0, 90, 90, 100, 0\n"), treno,
             finding, 25},
        // A stop zone whose length wraps around the 32-bit position.
        caso{"ZonaDiFermataAvvolta", linea(5000),
             treno + "stazione, 100, 7, -2147483600, 0, 0, 1, 1,1,0, 4,1,1, 1, 6,20,54, A\n",
             finding, 24},
        caso{"RallentamentoAlContrario", linea(5000),
             treno + "rallentamento, 3000, 30, -2900, 0, 1, 5\n", ok, 0},
        caso{"SoloCR", "[generale]\rlunghezza percorso, 5000\r[fine]\r", "[generale]\r", ok, 0},
        caso{"SenzaCelle", "[generale]\nsfondo uno, 1\n[fine]\n", treno, fault, 1}),
    [](const ::testing::TestParamInfo<caso>& info) { return std::string(info.param.nome); });

}  // namespace
