// A destination that declines some files: the compilation neither opens nor lists them, and
// writes the others as it would without the filter.
#include <gtest/gtest.h>

#include <string>

#include "aiuto_test.h"
#include "output/destinazione_filtrata.h"

namespace {

// A destination that counts what it is asked to open.
class destinazione_contata : public destinazione_memoria {
  public:
    flusso_uscita& apri(const std::string& nome) override {
        aperti += nome + "\n";
        return destinazione_memoria::apri(nome);
    }
    std::string aperti;
};

}  // namespace

TEST(DestinazioneFiltrata, DeclinedFilesAreNeitherOpenedNorListed) {
    const std::string linea = aiuto::linea_con("[curve]\r\ncurvad2, 300, 400\r\n");
    const std::string treno = aiuto::treno_con("velocita, 0, 60\r\naderenza, 0, 100\r\n");
    const aiuto::compilato intero = aiuto::compila_in_memoria(linea, treno);
    const sorgenti_compilazione sorgenti{{"linea.txt", linea, {}}, {"treno.txt", treno, {}}};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = "L";
    opzioni.numero_treno = "T";
    struct caso {
        const char* escluso;
        std::string aperti;
    } casi[] = {
        {"L_linea.dat", "L_T.sim\nL_T.dat\n"},
        {"L_T.sim", "L_linea.dat\nL_T.dat\n"},
        {"nessuno", "L_linea.dat\nL_T.sim\nL_T.dat\n"},
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(c.escluso);
        destinazione_contata contata;
        destinazione_filtrata filtrata(contata,
                                       [&](const std::string& nome) { return nome != c.escluso; });
        const esito_compilazione e = compila_testi(sorgenti, opzioni, filtrata);
        EXPECT_EQ(contata.aperti, c.aperti);
        std::string elencati;
        for (const std::string& n : e.file_prodotti) elencati += n + "\n";
        EXPECT_EQ(elencati, c.aperti);
        for (const auto& [nome, byte] : contata.file()) EXPECT_EQ(byte, intero.file.at(nome));
        EXPECT_EQ(contata.file().size(), e.file_prodotti.size());
    }
}
