#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "aiuto_test.h"
#include "model/guasto.h"
#include "output/file_atomico.h"

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

TEST_F(FileAtomico, ScritturaFallitaLasciaIlVecchioESenzaTemporanei) {
    {
        limite_dimensione limite(16);
        EXPECT_THROW(scrivi_file_intero(bersaglio, std::string(100, 'x')), guasto);
    }
    EXPECT_EQ(aiuto::leggi(bersaglio), "vecchio");
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "uscita.dat\n");
}

TEST_F(FileAtomico, CartellaMancanteEGuasto) {
    EXPECT_THROW(scrivi_file_intero(dir.file("manca/uscita.dat"), "x"), guasto);
    // A directory in the way cannot be replaced: the rename fails, nothing is left behind.
    std::filesystem::create_directory(dir.file("cartella"));
    EXPECT_THROW(scrivi_file_intero(dir.file("cartella"), "x"), guasto);
    EXPECT_EQ(aiuto::elenco(dir.percorso()), "cartella\nuscita.dat\n");
}

}  // namespace
