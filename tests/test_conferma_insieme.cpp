// The compiled files of one run replace the earlier ones as one set: a failure at any step
// leaves the old set, and a kill at any step is put right by the next run into the folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "aiuto_test.h"
#include "operazioni_guaste.h"
#include "output/conferma_insieme.h"
#include "output/destinazione_cartella.h"
#include "output/nomi_temporanei.h"
#include "output/registro_insieme.h"

namespace {

using insieme = std::map<std::string, std::string>;

const insieme vecchio{{"A_linea.dat", "profilo vecchio"},
                      {"A_1.sim", "tabella vecchia"},
                      {"A_1.dat", "celle vecchie"}};
const insieme nuovo{{"A_linea.dat", "profilo nuovo, un poco più lungo"},
                    {"A_1.sim", "tabella nuova"},
                    {"A_1.dat", "celle nuove"}};
const insieme altro_scenario{{"B_1.sim", "tabella B"}, {"B_1.dat", "celle B"}};

// What the folder holds, but its lock. A folder standing where a file should be (Windows
// cannot read one as a file) is shown by a mark.
insieme contenuto(const std::string& cartella) {
    insieme file;
    for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        if (nome == nome_blocco) continue;
        file[nome] = voce.is_directory() ? "<cartella>" : aiuto::leggi(voce.path().string());
    }
    return file;
}

// A run writing the set the way the compiler does: each file in two pieces, then commit.
void scrivi_insieme(const std::string& cartella, const insieme& file,
                    operazioni_file& op = operazioni_di_sistema()) {
    destinazione_cartella d(cartella, op);
    for (const auto& [nome, byte] : file) {
        flusso_uscita& f = d.apri(nome);
        f.scrivi(byte.substr(0, byte.size() / 2));
        f.scrivi(byte.substr(byte.size() / 2));
    }
    d.conferma();
}

insieme con(insieme a, const insieme& b) {
    a.insert(b.begin(), b.end());
    return a;
}

class ConfermaInsieme : public testing::Test {
  protected:
    void SetUp() override { scrivi_insieme(dir.percorso(), vecchio); }

    aiuto::cartella_temporanea dir;
};

TEST_F(ConfermaInsieme, ReplacesTheSetAndLeavesOnlyTheLock) {
    scrivi_insieme(dir.percorso(), nuovo);
    EXPECT_EQ(contenuto(dir.percorso()), nuovo);
}

// A failure at any step of a run: the old set byte for byte or (past the last rename, when
// only the tidying failed) the new one. No temporary file is left, but the one a failed
// removal could not take, which the next run does.
TEST_F(ConfermaInsieme, AFailureAtAnyStepLeavesAWholeSet) {
    for (const bool senza_collegamenti : {false, true}) {
        for (long punto = 0;; ++punto) {
            SCOPED_TRACE(testing::Message()
                         << "passo " << punto << ", senza collegamenti " << senza_collegamenti);
            scrivi_insieme(dir.percorso(), vecchio);
            operazioni_guaste op(punto, operazioni_guaste::esito::fallisce, senza_collegamenti);
            bool fallito = false;
            try {
                scrivi_insieme(dir.percorso(), nuovo, op);
            } catch (const guasto&) {
                fallito = true;
            }
            if (!op.colpita_cancellazione()) {
                EXPECT_EQ(contenuto(dir.percorso()), fallito ? vecchio : nuovo);
            }
            destinazione_cartella(dir.percorso()).prepara();
            EXPECT_EQ(contenuto(dir.percorso()), fallito ? vecchio : nuovo);
            if (!op.colpito()) break;
        }
    }
}

// The case that used to mix the sets: the last rename fails, the first two were done.
TEST_F(ConfermaInsieme, AFailedLaterRenameUndoesTheEarlierOnes) {
    std::filesystem::remove(dir.file("A_1.dat"));
    std::filesystem::create_directory(dir.file("A_1.dat"));
    std::filesystem::create_directory(dir.file("A_1.dat/dentro"));
    const insieme prima = contenuto(dir.percorso());
    EXPECT_THROW(scrivi_insieme(dir.percorso(), nuovo), guasto);
    EXPECT_EQ(contenuto(dir.percorso()), prima);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("A_1.dat/dentro")));
}

// A kill at every step, with and without hard links: the next run into the folder, of
// another scenario, finds the old set or the new one whole, and no temporary is left.
TEST_F(ConfermaInsieme, AKillAtAnyStepIsPutRightByTheNextRun) {
    for (const bool senza_collegamenti : {false, true}) {
        long uccisi = 0;
        for (long punto = 0;; ++punto) {
            SCOPED_TRACE(testing::Message()
                         << "passo " << punto << ", senza collegamenti " << senza_collegamenti);
            operazioni_guaste op(punto, operazioni_guaste::esito::uccide, senza_collegamenti);
            try {
                scrivi_insieme(dir.percorso(), nuovo, op);
            } catch (const morte_simulata&) {
            }
            uccisi += op.colpito() ? 1 : 0;
            scrivi_insieme(dir.percorso(), altro_scenario);
            const insieme dopo = contenuto(dir.percorso());
            EXPECT_TRUE(dopo == con(vecchio, altro_scenario) || dopo == con(nuovo, altro_scenario))
                << testing::PrintToString(dopo);
            if (!op.colpito()) break;
            for (const auto& [nome, byte] : altro_scenario) {
                std::filesystem::remove(dir.file(nome));
            }
            scrivi_insieme(dir.percorso(), vecchio);
        }
        EXPECT_GT(uccisi, 15);  // every creation, write, close, link and rename
    }
}

// A kill in the middle of an undo is finished by the next run, to the old set.
TEST_F(ConfermaInsieme, AKillWhileUndoingIsFinishedByTheNextRun) {
    std::filesystem::remove(dir.file("A_1.dat"));
    std::filesystem::create_directory(dir.file("A_1.dat"));
    const insieme prima = contenuto(dir.percorso());
    for (long punto = 0;; ++punto) {
        SCOPED_TRACE(punto);
        // The undo's steps come after the failed rename: count them from a clean run first.
        operazioni_guaste op(punto, operazioni_guaste::esito::uccide);
        try {
            scrivi_insieme(dir.percorso(), nuovo, op);
        } catch (const morte_simulata&) {
        } catch (const guasto&) {
        }
        destinazione_cartella(dir.percorso()).prepara();
        EXPECT_EQ(contenuto(dir.percorso()), prima);
        if (!op.colpito()) break;
    }
}

TEST_F(ConfermaInsieme, LeftoversOfOursGoAndNothingElse) {
    aiuto::scrivi(dir.file(nome_temporaneo()), "avanzo");
    aiuto::scrivi(dir.file(".compila_scenario-abc"), "non nostro");
    aiuto::scrivi(dir.file(".A_1.sim.XyZ123"), "non nostro");
    destinazione_cartella(dir.percorso()).prepara();
    EXPECT_EQ(contenuto(dir.percorso()), con(vecchio, {{".compila_scenario-abc", "non nostro"},
                                                       {".A_1.sim.XyZ123", "non nostro"}}));
}

TEST_F(ConfermaInsieme, AnUnreadableRecordStopsTheRunAndIsLeftAlone) {
    aiuto::scrivi(dir.file(std::string(nome_registro)), "altro");
    try {
        scrivi_insieme(dir.percorso(), nuovo);
        ADD_FAILURE() << "il registro illeggibile è stato ignorato";
    } catch (const guasto& g) {
        EXPECT_NE(std::string(g.what()).find("non è un registro"), std::string::npos);
    }
    EXPECT_EQ(contenuto(dir.percorso()), con(vecchio, {{std::string(nome_registro), "altro"}}));
}

// One run at a time: a second one waits for the lock, and gives up past its wait.
TEST_F(ConfermaInsieme, ASecondRunWaitsForTheLockThenGivesUp) {
    destinazione_cartella primo(dir.percorso());
    primo.apri("A_1.sim").scrivi("del primo");
    destinazione_cartella secondo(dir.percorso(), operazioni_di_sistema(),
                                  std::chrono::milliseconds(100));
    const auto inizio = std::chrono::steady_clock::now();
    try {
        secondo.apri("A_1.sim");
        ADD_FAILURE() << "due esecuzioni insieme nella stessa cartella";
    } catch (const guasto& g) {
        EXPECT_NE(std::string(g.what()).find("un'altra compilazione"), std::string::npos)
            << g.what();
    }
    EXPECT_GE(std::chrono::steady_clock::now() - inizio, std::chrono::milliseconds(100));
    primo.conferma();
    EXPECT_EQ(aiuto::leggi(dir.file("A_1.sim")), "del primo");
}

TEST(RegistroInsieme, ReadsBackWhatItWroteAndNothingPartial) {
    const std::vector<voce_insieme> voci{
        {".compila_scenario-aaaaaa", "N 1.sim", ""},
        {".compila_scenario-bbbbbb", "N_linea.dat", ".compila_scenario-cccccc"}};
    const std::string testo = componi_registro(voci);
    EXPECT_EQ(analizza_registro(testo), voci);
    for (std::size_t n = 0; n < testo.size(); ++n) {
        EXPECT_EQ(analizza_registro(testo.substr(0, n)), std::nullopt) << n;
    }
}

}  // namespace
