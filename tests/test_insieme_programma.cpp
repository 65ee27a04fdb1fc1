// The output folder through the real program: one set per run whatever stops it, one run at
// a time, the author's files never a target, and a report that cannot be written is a failure.
#ifdef _WIN32
#include <gtest/gtest.h>

TEST(InsiemeProgramma, SoloSuPosix) {
    GTEST_SKIP() << "these cases stop the program with POSIX signals, file-size limits and "
                    "kill -9, which Windows does not have; the set commit itself is tested by "
                    "the injected failures of the commit tests, on Windows too";
}
#else
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "../bench/scenario_lungo.h"
#include "aiuto_test.h"
#include "esecuzione_programma.h"
#include "output/nomi_temporanei.h"

namespace {

namespace fs = std::filesystem;
using insieme = std::map<std::string, std::string>;

const std::string linea_breve =
    "[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvad2, 300, 400\r\n[fine]\r\n";
const std::string treno_breve =
    "[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\n"
    "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n[fine]\r\n";

struct opzioni_figlio {
    int uscita = -1;                    // the child's stdout; -1: /dev/null
    std::optional<rlim_t> limite_file;  // a file-size limit, with SIGXFSZ left as it is
};

pid_t avvia(const std::vector<std::string>& argomenti, const opzioni_figlio& o = {}) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int nulla = ::open("/dev/null", O_WRONLY);
    ::dup2(o.uscita >= 0 ? o.uscita : nulla, STDOUT_FILENO);
    ::dup2(nulla, STDERR_FILENO);
    ::signal(SIGXFSZ, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    if (o.limite_file) {
        const rlimit limite{*o.limite_file, *o.limite_file};
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ::alarm(60);  // a program that hangs is killed, and the test fails
    std::vector<char*> argv{const_cast<char*>(COMPILA_ESEGUIBILE)};
    for (const std::string& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

// The exit status, or 1000 + the signal that ended it.
int attendi(pid_t pid) {
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 1000 + WTERMSIG(stato);
}

int esegui(const std::vector<std::string>& argomenti, const opzioni_figlio& o = {}) {
    return attendi(avvia(argomenti, o));
}

// Every file of a folder with its bytes, but the lock; a folder by its name and a slash.
insieme contenuto(const std::string& cartella) {
    insieme file;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        if (voce.is_directory()) {
            file[nome + "/"] = "";
        } else if (nome != nome_blocco) {
            file[nome] = aiuto::leggi(voce.path().string());
        }
    }
    return file;
}

bool temporanei_presenti(const std::string& cartella) {
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        if (e_nome_temporaneo(nome) || nome == nome_registro) return true;
    }
    return false;
}

// Two scenarios with the same file names: the longest line and a short one.
class InsiemeProgramma : public testing::Test {
  protected:
    void SetUp() override {
        aiuto::scrivi(lunga_linea, testo_linea_lunga());
        aiuto::scrivi(lunga_treno, testo_treno_lungo());
        aiuto::scrivi(breve_linea, linea_breve);
        aiuto::scrivi(breve_treno, treno_breve);
        fs::create_directory(uscita);
    }

    std::vector<std::string> compila(const std::string& linea, const std::string& treno,
                                     const std::string& cartella) const {
        return {"compile", linea, treno, "--line-name", "N",
                "--train", "1",   "-o",  cartella,      "--quiet"};
    }
    // The set a scenario compiles to, alone in a folder of its own.
    insieme insieme_di(const std::string& linea, const std::string& treno) {
        const std::string cartella = sorgenti.file("riferimento");
        fs::remove_all(cartella);
        fs::create_directory(cartella);
        EXPECT_EQ(esegui(compila(linea, treno, cartella)), 0);
        return contenuto(cartella);
    }

    aiuto::cartella_temporanea sorgenti;
    const std::string lunga_linea = sorgenti.file("Lunga_linea.txt");
    const std::string lunga_treno = sorgenti.file("Lunga_1-.txt");
    const std::string breve_linea = sorgenti.file("Breve_linea.txt");
    const std::string breve_treno = sorgenti.file("Breve_1-.txt");
    const std::string uscita = sorgenti.file("uscita");
};

// Interrupted at the moment its first temporary file shows: the status says so, the folder
// holds one whole set (the old one, or the new one when the commit was already through),
// and nothing of the run is left. Tried until the signal lands before the end.
TEST_F(InsiemeProgramma, InterruptionRemovesTheTemporariesAndUndoesTheCommit) {
    const insieme vecchio = insieme_di(breve_linea, breve_treno);
    const insieme nuovo = insieme_di(lunga_linea, lunga_treno);
    for (const int segnale : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(segnale);
        int interrotte = 0;
        for (int prova = 0; prova < 30 && interrotte < 3; ++prova) {
            ASSERT_EQ(esegui(compila(breve_linea, breve_treno, uscita)), 0);
            const pid_t pid = avvia(compila(lunga_linea, lunga_treno, uscita));
            const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!temporanei_presenti(uscita) && std::chrono::steady_clock::now() < limite) {
                std::this_thread::yield();
            }
            ::kill(pid, segnale);
            const int stato = attendi(pid);
            const insieme dopo = contenuto(uscita);
            EXPECT_FALSE(temporanei_presenti(uscita));
            if (stato == 0) {
                EXPECT_EQ(dopo, nuovo);
                continue;
            }
            EXPECT_EQ(stato, 128 + segnale);
            EXPECT_TRUE(dopo == vecchio || dopo == nuovo);
            ++interrotte;
        }
        EXPECT_GT(interrotte, 0) << "the signal always came too late";
    }
}

// Ten rounds of two runs of different scenarios with the same names at once: each round
// ends with the whole set of one of them.
TEST_F(InsiemeProgramma, TwoRunsAtOnceLeaveTheSetOfOne) {
    const insieme lungo = insieme_di(lunga_linea, lunga_treno);
    const insieme breve = insieme_di(breve_linea, breve_treno);
    for (int giro = 0; giro < 10; ++giro) {
        const pid_t a = avvia(compila(lunga_linea, lunga_treno, uscita));
        const pid_t b = avvia(compila(breve_linea, breve_treno, uscita));
        EXPECT_EQ(attendi(a), 0);
        EXPECT_EQ(attendi(b), 0);
        const insieme dopo = contenuto(uscita);
        EXPECT_TRUE(dopo == lungo || dopo == breve) << "giro " << giro;
    }
}

// The last name of the set is held by a folder: the run fails, the two files it had already
// put in place go back, and the report lists nothing as written.
TEST_F(InsiemeProgramma, AFolderInTheWayOfTheLastFileLeavesTheOldSet) {
    ASSERT_EQ(esegui(compila(breve_linea, breve_treno, uscita)), 0);
    fs::remove(uscita + "/N_1.dat");
    fs::create_directory(uscita + "/N_1.dat");
    const insieme vecchio = contenuto(uscita);
    std::vector<std::string> argomenti = compila(lunga_linea, lunga_treno, uscita);
    argomenti.push_back("--json");
    const auto r = esegui_programma(argomenti);
    EXPECT_EQ(r.stato, 1);
    EXPECT_NE(r.out.find(R"("esito":"fault")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("scritti":[])"), std::string::npos) << r.out;
    EXPECT_EQ(contenuto(uscita), vecchio);
    EXPECT_TRUE(fs::is_directory(uscita + "/N_1.dat"));
}

// A run whose output folder fills up (a file-size limit, with the signal it raises left as
// it is): an error, not a kill; the old set stays, no temporary is left.
TEST_F(InsiemeProgramma, AFullDiskIsAnErrorAndLeavesTheOldSet) {
    ASSERT_EQ(esegui(compila(breve_linea, breve_treno, uscita)), 0);
    const insieme vecchio = contenuto(uscita);
    opzioni_figlio o;
    o.limite_file = 1 << 20;
    EXPECT_EQ(esegui(compila(lunga_linea, lunga_treno, uscita), o), 1);
    EXPECT_EQ(contenuto(uscita), vecchio);
}

// The no-argument run removes its two main text files on every way out; the side files,
// written empty, stay.
TEST_F(InsiemeProgramma, TheEmbeddedRunRemovesItsTextsWhenItFails) {
    opzioni_figlio o;
    o.limite_file = 100000;  // the profile does not fit
    EXPECT_EQ(esegui({"--dir", uscita, "--quiet"}, o), 1);
    const std::string base = "Zarvelotimbrasquinoverdaltepa_9402";
    EXPECT_EQ(aiuto::elenco(uscita), ".compila_scenario.lock\n" + base + "_note.txt\n" + base +
                                         "_rallentamenti.txt\n" + base + "_scheda_treno.txt\n");
}

// A report that cannot be written is a failed run, by its status, never by a signal.
TEST_F(InsiemeProgramma, AReportThatCannotBeWrittenFailsTheRun) {
    const int pieno = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(pieno, 0);
    opzioni_figlio o;
    o.uscita = pieno;
    std::vector<std::string> argomenti = compila(breve_linea, breve_treno, uscita);
    argomenti.push_back("--json");
    EXPECT_EQ(esegui(argomenti, o), 1);
    ::close(pieno);

    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    ::close(tubo[0]);  // nobody reads
    o.uscita = tubo[1];
    EXPECT_EQ(esegui(argomenti, o), 1);
    ::close(tubo[1]);

    o.uscita = -1;
    EXPECT_EQ(esegui(argomenti, o), 0);
}

TEST_F(InsiemeProgramma, ASourceAbove16MiBIsRefusedBeforeItIsRead) {
    const std::string enorme = sorgenti.file("Enorme_linea.txt");
    aiuto::scrivi(enorme, "[generale]\r\n");
    fs::resize_file(enorme, (std::uintmax_t{16} << 20) + 1);
    const std::vector<std::string> argomenti{"compile", enorme, breve_treno, "--train",
                                             "1",       "-o",   uscita,      "--quiet"};
    const auto r = esegui_programma(argomenti);
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.err, "compila_scenario: errore: " + enorme +
                         " è troppo grande per un file di scenario (più di 16 MiB): non lo "
                         "leggo\n");
    EXPECT_TRUE(fs::is_empty(uscita));
    fs::resize_file(enorme, std::uintmax_t{16} << 20);
    EXPECT_EQ(esegui_programma(argomenti).err.find("troppo grande"), std::string::npos);
}

// The output names of one run, the author's files and each other: any overlap is a usage
// error found before anything is written.
TEST_F(InsiemeProgramma, OutputsNamingAnInputOrEachOtherAreUsageErrors) {
    // The sources carry the names of the outputs, as an author could name them.
    const std::string sim = uscita + "/N_1.sim";
    const std::string profilo = uscita + "/N_linea.dat";
    aiuto::scrivi(sim, linea_breve);
    aiuto::scrivi(profilo, treno_breve);
    const std::string svg = sorgenti.file("piano.svg");
    const struct {
        const char* caso;
        std::vector<std::string> argomenti;
    } casi[] = {
        {"-o vuoto", {"compile", breve_linea, breve_treno, "--train", "1", "-o", ""}},
        {"sorgenti come uscite",
         {"compile", sim, profilo, "--line-name", "N", "--train", "1", "-o", uscita}},
        {"sorgente attraverso un altro percorso",
         {"compile", uscita + "/../uscita/N_1.sim", breve_treno, "--line-name", "N", "--train", "1",
          "-o", uscita}},
        {"--plan sul file di linea",
         {"compile", breve_linea, breve_treno, "--train", "1", "--plan", breve_linea}},
        {"--plan su un'uscita",
         {"compile", breve_linea, breve_treno, "--line-name", "N", "--train", "1", "-o", uscita,
          "--plan", sim}},
        {"--plan vuoto", {"compile", breve_linea, breve_treno, "--train", "1", "--plan", ""}},
        {"profilo e celle con lo stesso nome",
         {"compile", breve_linea, breve_treno, "--train", "linea", "-o", uscita}},
        {"nome vuoto", {"compile", breve_linea, breve_treno, "--line-name", "", "--train", "1"}},
        {"nome .", {"compile", breve_linea, breve_treno, "--line-name", ".", "--train", "1"}},
        {"treno ..", {"compile", breve_linea, breve_treno, "--train", ".."}},
        {"a capo nel nome",
         {"compile", breve_linea, breve_treno, "--line-name", "a\nb", "--train", "1"}},
        {"tabulazione nel treno", {"compile", breve_linea, breve_treno, "--train", "1\t2"}},
    };
    const auto prima_uscita = contenuto(uscita);
    const auto prima_sorgenti = contenuto(sorgenti.percorso());
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(esegui(c.argomenti), 64);
        EXPECT_EQ(contenuto(uscita), prima_uscita);
        EXPECT_EQ(contenuto(sorgenti.percorso()), prima_sorgenti);
        EXPECT_FALSE(fs::exists(uscita + "/" + std::string(nome_blocco)));
        EXPECT_FALSE(fs::exists(svg));
    }
}

// Temporary names are short: a final name as long as the file system takes is written.
TEST_F(InsiemeProgramma, TheLongestNameAFileCanHaveIsWritten) {
    const std::string nome(245, 'n');  // nome + "_linea.dat": 255 bytes
    const std::string svg = uscita + "/" + std::string(251, 'p') + ".svg";
    EXPECT_EQ(esegui({"compile", breve_linea, breve_treno, "--line-name", nome, "--train", "1",
                      "-o", uscita, "--plan", svg, "--quiet"}),
              0);
    for (const std::string& file : {nome + "_linea.dat", nome + "_1.sim", nome + "_1.dat"}) {
        EXPECT_EQ(file.size() > 250, true);
        EXPECT_TRUE(fs::is_regular_file(uscita + "/" + file)) << file.size();
    }
    EXPECT_TRUE(fs::is_regular_file(svg));
    EXPECT_FALSE(temporanei_presenti(uscita));
}

}  // namespace
#endif
