// The author's guide stays true to the code: its example pair compiles cleanly.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "driver/compilazione.h"
#include "esecuzione_programma.h"

TEST(GuidaFormato, ExamplePairCompilesWithoutFindings) {
    const std::string guida =
        aiuto::leggi(std::string(COMPILA_SORGENTI) + "/docs/scenario-format.md");
    const std::regex blocco("```text file=(\\S+)\\n([^`]*)```");
    aiuto::cartella_temporanea cartella;
    std::vector<std::string> file;
    for (auto it = std::sregex_iterator(guida.begin(), guida.end(), blocco);
         it != std::sregex_iterator(); ++it) {
        file.push_back(cartella.file((*it)[1].str()));
        aiuto::scrivi(file.back(), (*it)[2].str());
    }
    ASSERT_EQ(file.size(), 2u);

    Form1 f;
    const auto r =
        compila(f, {file[0], file[1], cartella.percorso(), "Esempio", "1", false, false});
    EXPECT_EQ(r.esito, esito_esecuzione::ok) << r.diagnostica;
    EXPECT_EQ(f.codice_errore, 0);
    EXPECT_EQ(f.file_scritti,
              (std::vector<std::string>{"Esempio_linea.dat", "Esempio_1.sim", "Esempio_1.dat"}));
    // The three stations, the board and the pass's reductions all landed.
    EXPECT_EQ(f.tabella_sim[3].nome, "GAMMA");
    EXPECT_EQ(f.tabella_sim[80].nome, "(BIVIO)(NORD)");
    EXPECT_EQ(f.celle[190].tipo, tipo_cella::abbattimento);
}
