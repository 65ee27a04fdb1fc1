// Files that cannot be read or written: the real program, run in a child process.
#include <gtest/gtest.h>

#ifdef _WIN32

// Each fault here is made with what POSIX has (permissions, FIFOs, a file-size limit for
// the child) and read in strerror's words.
TEST(GuastiFile, SoloPosix) {
    GTEST_SKIP() << "the faults are made with POSIX permissions, FIFOs and file-size limits";
}

#else

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "source_text/scenario_incorporato.h"
#include "source_text/testo_scenario.h"

namespace {

namespace fs = std::filesystem;

struct esito_processo {
    int stato = -1;  // exit status; -1 when the child did not exit normally
    std::string errori;
};

std::string contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void scrivi(const fs::path& p, const std::string& testo) {
    std::ofstream(p, std::ios::binary) << testo;
}

// Every file in a folder with its bytes.
std::map<std::string, std::string> istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> file;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        file[voce.path().filename().string()] = contenuto(voce.path());
    }
    return file;
}

bool radice() {
    return ::geteuid() == 0;
}

class GuastiFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string modello = (fs::temp_directory_path() / "guasti.XXXXXX").string();
        ASSERT_NE(::mkdtemp(modello.data()), nullptr);
        base_ = modello;
        sorgenti_ = base_ / "sorgenti";
        uscita_ = base_ / "uscita";
        fs::create_directories(sorgenti_);
        fs::create_directories(uscita_);
        linea_ = sorgenti_ / "F_linea.txt";
        treno_ = sorgenti_ / "F_1-.txt";
        scrivi(linea_, componi_testo(tabella_con_marcatore(righe_file_linea())));
        scrivi(treno_, componi_testo(tabella_con_marcatore(righe_file_treno())));
    }

    void TearDown() override {
        // Undo any permission a test took away, so that everything can be removed.
        for (const auto& voce : fs::recursive_directory_iterator(base_)) {
            if (!voce.is_symlink()) fs::permissions(voce.path(), fs::perms::owner_all);
        }
        fs::remove_all(base_);
    }

    // Runs `compile` on the given inputs; a file-size limit applies to the child only.
    esito_processo compila(const fs::path& linea, const fs::path& treno,
                           const std::vector<std::string>& altre = {},
                           std::optional<rlim_t> limite_file = std::nullopt) {
        std::vector<std::string> argomenti{COMPILA_ESEGUIBILE,
                                           "compile",
                                           linea.string(),
                                           treno.string(),
                                           "--quiet",
                                           "--line-name",
                                           "F",
                                           "--train",
                                           "1"};
        argomenti.insert(argomenti.end(), altre.begin(), altre.end());
        const fs::path errori = base_ / "stderr.txt";
        const pid_t figlio = ::fork();
        if (figlio == 0) esegui_figlio(argomenti, errori, limite_file);
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        esito_processo e;
        if (WIFEXITED(stato)) e.stato = WEXITSTATUS(stato);
        e.errori = contenuto(errori);
        return e;
    }

    // Output options that write into the test's output folder.
    std::vector<std::string> in_uscita(std::vector<std::string> altre = {}) const {
        altre.insert(altre.begin(), {"-o", uscita_.string()});
        return altre;
    }

    fs::path base_, sorgenti_, uscita_, linea_, treno_;

  private:
    [[noreturn]] static void esegui_figlio(const std::vector<std::string>& argomenti,
                                           const fs::path& errori,
                                           std::optional<rlim_t> limite_file) {
        const int fd = ::open(errori.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, STDERR_FILENO);
        const int nulla = ::open("/dev/null", O_WRONLY);
        ::dup2(nulla, STDOUT_FILENO);
        if (limite_file) {
            ::signal(SIGXFSZ, SIG_IGN);  // write then fails with EFBIG instead of killing
            const rlimit limite{*limite_file, *limite_file};
            ::setrlimit(RLIMIT_FSIZE, &limite);
        }
        ::alarm(60);  // survives exec: a program that hangs is killed, and the test fails
        std::vector<char*> argv;
        for (const std::string& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
};

// A fault reads "compila_scenario: errore: ..." with the file it concerns and the reason.
void atteso_guasto(const esito_processo& e, const fs::path& file, const std::string& motivo) {
    EXPECT_EQ(e.stato, 1) << e.errori;
    EXPECT_NE(e.errori.find("compila_scenario: errore: "), std::string::npos) << e.errori;
    EXPECT_NE(e.errori.find(file.string()), std::string::npos) << e.errori;
    EXPECT_NE(e.errori.find(motivo), std::string::npos) << e.errori;
}

TEST_F(GuastiFile, OutputFolderUnderARegularFileIsAFault) {
    scrivi(base_ / "file", "x");
    const fs::path dentro = base_ / "file" / "uscita";
    const esito_processo e = compila(linea_, treno_, {"-o", dentro.string()});
    atteso_guasto(e, dentro, "Not a directory");
    EXPECT_EQ(contenuto(base_ / "file"), "x");
}

TEST_F(GuastiFile, ReadOnlyOutputFolderIsAFaultAndStaysEmpty) {
    if (radice()) GTEST_SKIP() << "root writes into a read-only folder";
    fs::permissions(uscita_, fs::perms::owner_read | fs::perms::owner_exec);
    const esito_processo e = compila(linea_, treno_, in_uscita());
    atteso_guasto(e, uscita_, "Permission denied");
    EXPECT_TRUE(istantanea(uscita_).empty());
}

// A file-size limit makes one binary file fail half-way: the outputs of the earlier run
// stay as they were, no temporary file is left, and the message names the file.
TEST_F(GuastiFile, FileSizeLimitLeavesEarlierOutputsIntact) {
    struct caso {
        std::vector<std::string> opzioni;
        rlim_t limite;
        const char* file_che_fallisce;
    };
    const caso casi[] = {
        {{}, 100000, "F_linea.dat"},          // the profile, the first file written
        {{"--no-profile"}, 8000, "F_1.dat"},  // the cells, after the station table
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(c.file_che_fallisce);
        fs::remove_all(uscita_);
        fs::create_directories(uscita_);
        ASSERT_EQ(compila(linea_, treno_, in_uscita(c.opzioni)).stato, 0);
        // Make the earlier outputs differ from what this run would write.
        for (const auto& voce : fs::directory_iterator(uscita_)) {
            scrivi(voce.path(), contenuto(voce.path()) + "precedente");
        }
        const auto prima = istantanea(uscita_);

        const esito_processo e = compila(linea_, treno_, in_uscita(c.opzioni), c.limite);
        atteso_guasto(e, uscita_ / c.file_che_fallisce, "File too large");
        EXPECT_EQ(istantanea(uscita_), prima);  // also: no ".NAME.XXXXXX" left behind
    }
}

TEST_F(GuastiFile, UnusableInputIsAFaultAndWritesNothing) {
    const fs::path cartella = sorgenti_ / "cartella";
    fs::create_directory(cartella);
    const fs::path assente = sorgenti_ / "assente.txt";
    const fs::path fifo = sorgenti_ / "fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct caso {
        fs::path linea, treno;
        fs::path colpevole;
        const char* motivo;
    };
    const caso casi[] = {
        {cartella, treno_, cartella, "Is a directory"},
        {linea_, cartella, cartella, "Is a directory"},
        {assente, treno_, assente, "No such file or directory"},
        {linea_, assente, assente, "No such file or directory"},
        {fifo, treno_, fifo, "non è un file ordinario"},  // and no wait for a writer
    };
    for (const caso& c : casi) {
        SCOPED_TRACE(c.colpevole.string());
        atteso_guasto(compila(c.linea, c.treno, in_uscita()), c.colpevole, c.motivo);
        EXPECT_TRUE(istantanea(uscita_).empty());
    }
}

TEST_F(GuastiFile, UnreadableInputIsAFaultAndWritesNothing) {
    if (radice()) GTEST_SKIP() << "root reads a file without read permission";
    fs::permissions(treno_, fs::perms::none);
    atteso_guasto(compila(linea_, treno_, in_uscita()), treno_, "Permission denied");
    EXPECT_TRUE(istantanea(uscita_).empty());
}

}  // namespace

#endif
