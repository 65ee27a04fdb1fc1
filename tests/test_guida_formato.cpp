// The author's guide stays true to the code: its example pair compiles cleanly.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "aiuto_test.h"

TEST(GuidaFormato, ExamplePairCompilesWithoutFindings) {
    const std::string guida =
        aiuto::leggi(std::string(COMPILA_SORGENTI) + "/docs/scenario-format.md");
    const std::regex blocco("```text file=(\\S+)\\n([^`]*)```");
    std::vector<std::string> testi;
    for (auto it = std::sregex_iterator(guida.begin(), guida.end(), blocco);
         it != std::sregex_iterator(); ++it) {
        testi.push_back((*it)[2].str());
    }
    ASSERT_EQ(testi.size(), 2u);

    const aiuto::compilato c = aiuto::compila_in_memoria(testi[0], testi[1], 1, "Esempio", "1");
    EXPECT_EQ(c.esito.fine, fine_compilazione::completata);
    EXPECT_EQ(c.esito.codice_errore, 0);
    EXPECT_TRUE(c.esito.reperti.empty());
    EXPECT_EQ(c.esito.file_prodotti,
              (std::vector<std::string>{"Esempio_linea.dat", "Esempio_1.sim", "Esempio_1.dat"}));
    Form1 f;
    aiuto::banco_prova banco(f);
    banco.compila(testi[0], testi[1]);
    // The three stations, the board and the pass's reductions all landed.
    EXPECT_EQ(f.tabella_sim[3].nome, "GAMMA");
    EXPECT_EQ(f.tabella_sim[80].nome, "(BIVIO)(NORD)");
    EXPECT_EQ(f.celle[190].tipo, tipo_cella::abbattimento);
}
