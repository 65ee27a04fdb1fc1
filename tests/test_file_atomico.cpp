#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "aiuto_test.h"
#include "model/guasto.h"
#include "output/file_atomico.h"
#include "platform/processo.h"

namespace {

class FileAtomico : public testing::Test {
  protected:
    void SetUp() override { aiuto::scrivi(bersaglio, "vecchio"); }

    aiuto::cartella_temporanea dir;
    const std::string bersaglio = dir.file("uscita.dat");
};

TEST_F(FileAtomico, ConfermatoSostituisceIlFile) {
    scrivi_file_intero(bersaglio, "nuovo");
    EXPECT_EQ(aiuto::leggi(bersaglio), "nuovo");
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "uscita.dat\n");
}

TEST_F(FileAtomico, AbbandonatoLasciaIlVecchio) {
    {
        file_atomico f(bersaglio);
        f.scrivi("parziale");
        f.completa();
    }
    EXPECT_EQ(aiuto::leggi(bersaglio), "vecchio");
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "uscita.dat\n");
}

#ifndef _WIN32
// Lowers the file size limit so that writes fail with EFBIG; restored on destruction.
class limite_dimensione {
  public:
    explicit limite_dimensione(rlim_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        segnale_prima_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nuovo = prima_;
        nuovo.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &nuovo);
    }
    ~limite_dimensione() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_prima_);
    }

  private:
    rlimit prima_{};
    void (*segnale_prima_)(int) = nullptr;
};
#endif

TEST_F(FileAtomico, ScritturaFallitaLasciaIlVecchioESenzaTemporanei) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file-size limit to make a write fail half-way";
#else
    {
        limite_dimensione limite(16);
        EXPECT_THROW(scrivi_file_intero(bersaglio, std::string(100, 'x')), guasto);
    }
    EXPECT_EQ(aiuto::leggi(bersaglio), "vecchio");
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "uscita.dat\n");
#endif
}

TEST_F(FileAtomico, CartellaMancanteEGuasto) {
    EXPECT_THROW(scrivi_file_intero(dir.file("manca/uscita.dat"), "x"), guasto);
    // A directory in the way cannot be replaced: the rename fails, nothing is left behind.
    std::filesystem::create_directory(dir.file("cartella"));
    EXPECT_THROW(scrivi_file_intero(dir.file("cartella"), "x"), guasto);
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "cartella\nuscita.dat\n");
}

// Another program reads the file meanwhile, as the simulator does with a scenario it has
// loaded. Windows does not let an open file be replaced: the error says so, and the old
// file stays whole. Elsewhere the reader keeps the old bytes and the new file is in place.
TEST_F(FileAtomico, FileApertoDaUnAltroProgramma) {
    aiuto::cartella_temporanea segnali;
    int stato_lettore = -1;
    std::thread lettore([&] {
        stato_lettore = esegui_e_attendi(
            COMPILA_TIENI_APERTO, {bersaglio, segnali.file("pronto"), segnali.file("fine")},
            segnali.percorso(), segnali.file("out"), segnali.file("err"));
    });
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!aiuto::esiste(segnali.file("pronto")) && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const bool pronto = aiuto::esiste(segnali.file("pronto"));
    std::string errore;
    if (pronto) {
        try {
            scrivi_file_intero(bersaglio, "nuovo");
        } catch (const guasto& g) {
            errore = g.what();
        }
    }
    aiuto::scrivi(segnali.file("fine"), "");
    lettore.join();
    ASSERT_TRUE(pronto) << "the reader never opened the file";
    EXPECT_EQ(stato_lettore, 0);
#ifdef _WIN32
    EXPECT_EQ(errore, "impossibile sostituire " + bersaglio +
                          ": il file è aperto in un altro programma; chiudilo e riprova (il file "
                          "di prima è rimasto com'era)");
    EXPECT_EQ(aiuto::leggi(bersaglio), "vecchio");
#else
    EXPECT_EQ(errore, "");
    EXPECT_EQ(aiuto::leggi(bersaglio), "nuovo");
#endif
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "uscita.dat\n");
}

}  // namespace
