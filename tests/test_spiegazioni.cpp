// `spiega`: every error number is explained, and each explanation's lines really get the
// error while its corrected lines compile cleanly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aiuto_test.h"
#include "compilazione/messaggi_errore.h"
#include "compilazione/spiegazioni.h"
#include "driver/esecuzione.h"
#include "source_text/guida_campi.h"

namespace {

std::vector<std::string_view> righe_di(std::string_view testo) {
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t fine = testo.find('\n', inizio);
        righe.push_back(testo.substr(inizio, fine - inizio));
        if (fine == std::string_view::npos) return righe;
        inizio = fine + 1;
    }
}

bool della_sezione_generale(std::string_view riga) {
    const descrizione_parola_chiave* p =
        parola_chiave_di(sorgente::file_linea, riga.substr(0, riga.find(',')));
    return p != nullptr && p->sezione == "[generale]";
}

struct esito_prova {
    esito_esecuzione esito;
    std::int32_t codice;
    std::string messaggio;
};

class Spiegazioni : public testing::Test {
  protected:
    // The lines in an otherwise empty scenario: a 12 km line, a train with nothing else.
    esito_prova compila_con(sorgente file, std::string_view righe) {
        std::string generale, successive, treno;
        for (std::string_view riga : righe_di(righe)) {
            std::string& dove = file == sorgente::file_treno   ? treno
                                : della_sezione_generale(riga) ? generale
                                                               : successive;
            dove += std::string(riga) + "\r\n";
        }
        const aiuto::compilato c =
            aiuto::compila_in_memoria("[generale]\r\nlunghezza percorso, 12000\r\n" + generale +
                                          "[curve]\r\n" + successive + "[fine]\r\n",
                                      "[generale]\r\n" + treno + "[fine]\r\n", 1, "Prova", "1");
        const rapporto_esecuzione r =
            rapporto_di(c.esito, nomi_sorgenti{"Prova_linea.txt", "Prova_1-.txt"});
        return {r.esito, c.esito.codice_errore, r.messaggio};
    }
};

TEST_F(Spiegazioni, EveryErrorNumberHasAnExplanation) {
    std::vector<std::int32_t> con_messaggio;
    for (std::int32_t n = 0; n <= 2000; ++n) {
        if (messaggio_errore(n) != "errore sconosciuto") con_messaggio.push_back(n);
    }
    std::vector<std::int32_t> spiegati;
    for (const spiegazione_errore& e : spiegazioni_errori()) spiegati.push_back(e.numero);
    EXPECT_EQ(spiegati, con_messaggio);

    for (const spiegazione_errore& e : spiegazioni_errori()) {
        const auto testo = spiegazione(std::to_string(e.numero));
        ASSERT_TRUE(testo.has_value()) << e.numero;
        EXPECT_TRUE(testo->starts_with("Error " + std::to_string(e.numero) + ": ")) << *testo;
        for (std::string_view riga : righe_di(e.sbagliato)) {
            EXPECT_NE(testo->find("    " + std::string(riga) + "\n"), std::string::npos) << riga;
        }
        for (std::string_view riga : righe_di(e.corretto)) {
            EXPECT_NE(testo->find("    " + std::string(riga) + "\n"), std::string::npos) << riga;
        }
    }
}

// The wrong lines get the error they explain; the corrected lines compile with no finding.
TEST_F(Spiegazioni, ExamplesGetTheirErrorAndTheCorrectionsCompileCleanly) {
    for (const spiegazione_errore& e : spiegazioni_errori()) {
        if (!e.esempio_autonomo) continue;
        SCOPED_TRACE("error " + std::to_string(e.numero));
        const esito_prova sbagliato = compila_con(e.file, e.sbagliato);
        if (e.numero >= 1000) {
            // The header conflicts stop the run before anything is written.
            EXPECT_EQ(sbagliato.esito, esito_esecuzione::errore);
            EXPECT_NE(sbagliato.messaggio.find(std::to_string(e.numero)), std::string::npos)
                << sbagliato.messaggio;
        } else {
            EXPECT_EQ(sbagliato.codice, e.numero);
        }
        const esito_prova corretto = compila_con(e.file, e.corretto);
        EXPECT_EQ(corretto.esito, esito_esecuzione::ok) << corretto.messaggio;
        EXPECT_EQ(corretto.codice, 0);
    }
}

TEST(Spiegazione, NamesNumbersWarningsAndKeywords) {
    EXPECT_FALSE(spiegazione("14").has_value());
    EXPECT_FALSE(spiegazione("").has_value());
    EXPECT_FALSE(spiegazione("8x").has_value());
    EXPECT_FALSE(spiegazione("stazone").has_value());
    const auto stazione = spiegazione("stazione");
    ASSERT_TRUE(stazione.has_value());
    EXPECT_EQ(*stazione, scheda_parola_chiave(*parola_chiave_di(sorgente::file_treno, "stazione")));
    EXPECT_TRUE(stazione->starts_with("# `stazione`\n"));
    EXPECT_TRUE(spiegazione("curvas4").has_value());
}

}  // namespace
