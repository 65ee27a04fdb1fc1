#include <gtest/gtest.h>

#include <string>

#include "aiuto_test.h"
#include "esecuzione_programma.h"
#include "driver/esecuzione_incorporata.h"
#include "model/form1.h"
#include "source_text/scenario_incorporato.h"

namespace {

// Digests of the three compiled files of the embedded scenario, verified byte for byte.
constexpr const char* sha_celle =
    "e7814b5a86ef6dc5465affbb3a11987e4f74270d72539f8d7f9533f5f2e74744";
constexpr const char* sha_tabella =
    "b7e83e21dcaada2cab07c67407e8d7c464afe19c69ffdf427297ccf7422af657";
constexpr const char* sha_profilo =
    "7f47f8fc0e001a1d953dee9ca7e8d0c5dd16c2f4a0ba85b3a77df7d411bb0cfb";

constexpr const char* file_attesi =
    ".compila_scenario.lock\n"
    "Zarvelotimbrasquinoverdaltepa_9402.dat\n"
    "Zarvelotimbrasquinoverdaltepa_9402.sim\n"
    "Zarvelotimbrasquinoverdaltepa_9402_note.txt\n"
    "Zarvelotimbrasquinoverdaltepa_9402_rallentamenti.txt\n"
    "Zarvelotimbrasquinoverdaltepa_9402_scheda_treno.txt\n"
    "Zarvelotimbrasquinoverdaltepa_linea.dat\n";

void verifica_uscite(const aiuto::cartella_temporanea& dir) {
    const std::string base = dir.file("Zarvelotimbrasquinoverdaltepa_");
    EXPECT_EQ(aiuto::sha256(aiuto::leggi(base + "9402.dat")), sha_celle);
    EXPECT_EQ(aiuto::sha256(aiuto::leggi(base + "9402.sim")), sha_tabella);
    EXPECT_EQ(aiuto::sha256(aiuto::leggi(base + "linea.dat")), sha_profilo);
    EXPECT_EQ(aiuto::elenco(dir.percorso()), file_attesi);
    for (const char* nome : {"9402_note.txt", "9402_rallentamenti.txt", "9402_scheda_treno.txt"}) {
        EXPECT_EQ(aiuto::leggi(base + nome), "") << nome;
    }
}

class ScenarioIncorporato : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new aiuto::cartella_temporanea;
        stato = esegui_incorporato({dir->percorso(), true, false});
        f = new Form1;
        banco = new aiuto::banco_prova(*f, 1, nome_linea_incorporata, numero_treno_incorporato);
        banco->compila(testo_file_linea(), testo_file_treno());
    }
    static void TearDownTestSuite() {
        delete banco;
        delete f;
        delete dir;
    }

    static aiuto::cartella_temporanea* dir;
    static int stato;
    static Form1* f;
    static aiuto::banco_prova* banco;
};

aiuto::cartella_temporanea* ScenarioIncorporato::dir = nullptr;
int ScenarioIncorporato::stato = -1;
Form1* ScenarioIncorporato::f = nullptr;
aiuto::banco_prova* ScenarioIncorporato::banco = nullptr;

TEST_F(ScenarioIncorporato, FileCompilati) {
    EXPECT_EQ(stato, 0);
    verifica_uscite(*dir);
}

// The same bytes whether the run goes through the disk or stays in memory.
TEST_F(ScenarioIncorporato, InMemoriaGliStessiByte) {
    const auto& file = banco->file();
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(aiuto::sha256(file.at("Zarvelotimbrasquinoverdaltepa_9402.dat")), sha_celle);
    EXPECT_EQ(aiuto::sha256(file.at("Zarvelotimbrasquinoverdaltepa_9402.sim")), sha_tabella);
    EXPECT_EQ(aiuto::sha256(file.at("Zarvelotimbrasquinoverdaltepa_linea.dat")), sha_profilo);
    EXPECT_TRUE(banco->reperti().empty());
}

TEST_F(ScenarioIncorporato, ModelloLetto) {
    const Form1& m = *f;
    EXPECT_EQ(m.codice_errore, 0);
    ASSERT_EQ(m.numero_celle, 780);
    EXPECT_EQ(m.lunghezza_estesa, 39000);
    for (int i = 0; i <= 777; ++i) {
        ASSERT_EQ(m.celle[i].pendenza, 100) << i;
        ASSERT_EQ(m.celle[i].vel_limite, 6) << i;
        ASSERT_EQ(m.celle[i].aderenza, 100) << i;
    }
    for (int i = 778; i <= 780; ++i) EXPECT_EQ(m.celle[i].pendenza, 0) << i;
    const int cartelli[] = {37, 183, 520, 589};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(m.celle[cartelli[n]].tipo, 14);
        EXPECT_EQ(m.celle[cartelli[n]].valore_1, 80 - n);
    }
    EXPECT_EQ(m.tabella_sim[80].nome, "(  BIVIO  )(TIBURTINA)");
    EXPECT_EQ(m.tabella_sim[77].nome, "(BIVIO)(PORTO)");
    EXPECT_EQ(m.tabella_sim[1].nome, "ROMA TIBURTINA");
    EXPECT_EQ(m.tabella_sim[9].nome, "FIUMICINO AEROEPORTO");
    EXPECT_EQ(m.tabella_sim[9].inizio, 30800);
    EXPECT_EQ(m.tabella_sim[9].fine, 31450);
    EXPECT_EQ(m.tabella_sim[10].nome, "");
    int segnali = 0, riduzioni = 0;
    for (const cella& c : m.celle) {
        segnali += c.tipo == 1;
        riduzioni += c.tipo == 12;
    }
    EXPECT_EQ(segnali, 13);
    EXPECT_EQ(riduzioni, 0);  // no slowdowns: the pass changes nothing
    EXPECT_EQ(m.celle[204].valore_1, 42);
    EXPECT_EQ(m.celle[1].valore_1, 5121);
    EXPECT_EQ(m.celle[1].valore_2, 2507);
    EXPECT_EQ(m.tabella_sim[84].inizio, 100);
    EXPECT_EQ(m.tabella_sim[84].fine, 32000);
    EXPECT_EQ(m.tabella_sim[84].posizione, 5);
    EXPECT_EQ(m.tabella_sim[85].dato_7, 610);
    EXPECT_EQ(m.tabella_sim[85].orario, 34967);
    EXPECT_EQ(m.tabella_sim[86].inizio, 7150);
    EXPECT_EQ(m.tabella_sim[86].fine, 27450);
    EXPECT_EQ(m.tabella_sim[86].posizione, 9);
    EXPECT_EQ(m.tabella_sim[86].dato_10, 6);
    EXPECT_EQ(m.tabella_sim[86].dato_11, 21);
    EXPECT_EQ(m.tabella_sim[86].dato_12, 54);
}

TEST(EseguibileIncorporato, EsceConZeroSenzaMessaggiEDueVolteUguale) {
    aiuto::cartella_temporanea dir;
    for (int volta = 0; volta < 2; ++volta) {
        const auto r = esegui_programma({"--dir", dir.percorso()});
        EXPECT_EQ(r.stato, 0) << volta;
        EXPECT_EQ(r.err, "") << volta;
        verifica_uscite(dir);
    }
}

}  // namespace
