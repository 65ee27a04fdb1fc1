#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "aiuto_test.h"
#include "driver/esecuzione.h"
#include "model/form1.h"
#include "model/guasto.h"
#include "output/destinazione_cartella.h"

namespace {

using aiuto::linea_con;
using aiuto::treno_con;

TEST(Errore, MessaggioENessunRitorno) {
    for (const std::string a : {"1250", "1251", ""}) {
        Form1 f;
        bool dopo = false;
        try {
            f.errore(a);
            dopo = true;
        } catch (const errore_fatale& e) {
            EXPECT_EQ(std::string(e.what()), " Errore n. " + a);
            EXPECT_EQ(e.codice(), a);
        }
        EXPECT_FALSE(dopo);
        EXPECT_EQ(f.risposta_errore, 1);
    }
}

class Intestazione : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* nome : uscite) aiuto::scrivi(dir.file(nome), "vecchio");
    }
    esito_compilazione compila(const std::string& linea, const std::string& treno,
                               std::int32_t j = 1) {
        const sorgenti_compilazione sorgenti{{"linea", linea, {}}, {"treno", treno, {}}};
        opzioni_compilazione opzioni;
        opzioni.nome_linea = "L";
        opzioni.numero_treno = "T";
        opzioni.flag_j = j;
        opzioni.casella_errore = casella;
        destinazione_cartella uscita(dir.percorso());
        return compila_testi(sorgenti, opzioni, uscita);
    }
    bool vecchi_intatti() {
        for (const char* nome : uscite) {
            if (aiuto::leggi(dir.file(nome)) != "vecchio") return false;
        }
        return true;
    }

    static constexpr const char* uscite[] = {"L_T.sim", "L_T.dat", "L_linea.dat"};
    aiuto::cartella_temporanea dir;
    std::function<std::int32_t(const std::string&)> casella;
};

TEST_F(Intestazione, ConflittiFermanoLaCompilazione) {
    struct caso {
        const char* treno;
        const char* codice;
    };
    // Objects in cell 1: a signal at 0 m, a reduction at 50 m.
    const caso casi[] = {
        {"segnale, 0, 0, 1,0,0, 0, 0, 1,0,0, 0\r\n", "1250"},
        {"abbattimento, 50, 200\r\n", "1250"},
        {"segnale, 0, 0, 0,1,0, 0, 0, 0,0,0, 0\r\n", "1251"},
    };
    for (const caso& c : casi) {
        const esito_compilazione e = compila(linea_con(""), treno_con(c.treno));
        EXPECT_EQ(e.fine, fine_compilazione::errore) << c.treno;
        EXPECT_EQ(e.testo_errore, std::string(" Errore n. ") + c.codice) << c.treno;
        EXPECT_TRUE(e.file_prodotti.empty()) << c.treno;
        EXPECT_TRUE(vecchi_intatti()) << c.treno;
        EXPECT_EQ(aiuto::elenco(dir.percorso()), "L_T.dat\nL_T.sim\nL_linea.dat\n") << c.treno;
    }
}

// The message box is shown once, with the whole text, and only by `errore`.
TEST_F(Intestazione, LaCasellaMostraIlTestoSoloPerErrore) {
    std::vector<std::string> mostrati;
    casella = [&](const std::string& testo) {
        mostrati.push_back(testo);
        return 1;
    };
    EXPECT_EQ(compila(linea_con(""), treno_con("")).fine, fine_compilazione::completata);
    EXPECT_EQ(compila(linea_con("cartello_indicatore, 7901, X\r\n"), treno_con("")).codice_errore,
              15);
    EXPECT_TRUE(mostrati.empty());
    for (const char* nome : uscite) aiuto::scrivi(dir.file(nome), "vecchio");
    const esito_compilazione e = compila(linea_con(""), treno_con("abbattimento, 50, 200\r\n"));
    EXPECT_EQ(e.fine, fine_compilazione::errore);
    EXPECT_EQ(mostrati, std::vector<std::string>{" Errore n. 1250"});
    EXPECT_TRUE(vecchi_intatti());
}

TEST_F(Intestazione, SenzaCelleNessunFileBinario) {
    const esito_compilazione e = compila("nessuna sezione\r\n", treno_con(""));
    EXPECT_EQ(e.fine, fine_compilazione::modello_assente);
    EXPECT_EQ(e.codice_errore, 102);
    EXPECT_TRUE(vecchi_intatti());
}

TEST_F(Intestazione, UnReportoNonFermaLaScrittura) {
    const esito_compilazione e =
        compila(linea_con("cartello_indicatore, 7901, X\r\n"), treno_con(""));
    EXPECT_EQ(e.codice_errore, 15);
    EXPECT_EQ(aiuto::leggi(dir.file("L_T.dat")).size(), 15u * 161);
    const std::string sim = aiuto::leggi(dir.file("L_T.sim"));
    EXPECT_EQ(sim.substr(0, 34), std::string(34, '\0'));  // row 0 stays clear
    EXPECT_NE(aiuto::leggi(dir.file("L_linea.dat")), "vecchio");
    EXPECT_EQ(aiuto::elenco(dir.percorso()),
              ".compila_scenario.lock\nL_T.dat\nL_T.sim\nL_linea.dat\n");
}

TEST_F(Intestazione, SenzaProfiloIlVecchioProfiloResta) {
    EXPECT_EQ(compila(linea_con(""), treno_con(""), 0).codice_errore, 0);
    EXPECT_EQ(aiuto::leggi(dir.file("L_linea.dat")), "vecchio");
    EXPECT_NE(aiuto::leggi(dir.file("L_T.sim")), "vecchio");
}

// How the run ends: status 0 clean, 2 compiled with a finding, 1 for errore or no model.
TEST_F(Intestazione, EsitoDellEsecuzione) {
    struct caso {
        const char* nome;
        std::string linea, treno;
        esito_esecuzione esito;
        int uscita;
        std::string nel_messaggio;
    };
    const caso casi[] = {
        {"pulito", linea_con(""), treno_con(""), esito_esecuzione::ok, 0, ""},
        {"reperto", linea_con("cartello_indicatore, 7901, X\r\n"), treno_con(""),
         esito_esecuzione::finding, 2, "7901"},
        {"senza_celle", "nessuna sezione\r\n", treno_con(""), esito_esecuzione::fault, 1, "102"},
        {"intestazione", linea_con(""), treno_con("abbattimento, 50, 200\r\n"),
         esito_esecuzione::errore, 1, " Errore n. 1250"},
    };
    for (const caso& c : casi) {
        const esito_compilazione e = compila(c.linea, c.treno);
        const rapporto_esecuzione r = rapporto_di(e, nomi_sorgenti{"linea", "treno"});
        EXPECT_EQ(r.esito, c.esito) << c.nome;
        EXPECT_EQ(codice_uscita(r.esito), c.uscita) << c.nome;
        EXPECT_NE(r.messaggio.find(c.nel_messaggio), std::string::npos) << c.nome;
        EXPECT_EQ(r.messaggio.find('\n'), std::string::npos) << c.nome;
        EXPECT_EQ(r.diagnostica.empty(), c.uscita == 0) << c.nome;
    }
}

}  // namespace
