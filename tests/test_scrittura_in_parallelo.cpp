// The profile's writer thread: blocks land at their places, and a failing write reaches the
// caller instead of hanging it or being lost.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "model/guasto.h"
#include "output/formato_binario.h"
#include "output/scrittore_le.h"
#include "output/scrittura_in_parallelo.h"

namespace {

// Keeps what is written; fails from the given write on.
class flusso_di_prova : public flusso_uscita {
  public:
    explicit flusso_di_prova(int fallisce_da = -1) : fallisce_da_(fallisce_da) {}
    using flusso_uscita::scrivi;
    void scrivi(const void* dati, std::size_t n) override { scrivi_in(byte.size(), dati, n); }
    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
        if (fallisce_da_ >= 0 && scritture_++ >= fallisce_da_) throw guasto("disco pieno");
        if (byte.size() < posizione + n) byte.resize(posizione + n);
        std::memcpy(byte.data() + posizione, dati, n);
    }
    std::string byte;

  private:
    int fallisce_da_;
    int scritture_ = 0;
};

tracciato profilo_lungo() {
    tracciato t;
    t.crea(400000);
    t.semina(0, 0, 0, 1);
    t.calcola(2, 150000, false, 0.0);
    t.calcola(150001, 250000, true, 0.001);
    t.calcola(250001, 399998, false, 0.0);
    return t;
}

TEST(ScritturaInParallelo, BlocchiAlLoroPosto) {
    flusso_di_prova file;
    {
        scrittura_in_parallelo s(file, 4, 2);
        for (int i = 9; i >= 0; --i) {
            auto b = s.prendi();
            b.posizione = static_cast<std::uint64_t>(4 * i);
            std::memcpy(b.byte.get(), "abcd", 4);
            b.byte[0] = static_cast<unsigned char>('0' + i);
            b.pieno = 4;
            s.scrivi(std::move(b));
        }
        s.attendi();
    }
    EXPECT_EQ(file.byte, "0bcd1bcd2bcd3bcd4bcd5bcd6bcd7bcd8bcd9bcd");
}

TEST(ScritturaInParallelo, IlProfiloEsceComeElementoPerElemento) {
    const tracciato t = profilo_lungo();
    flusso_di_prova file;
    scrivi_profilo(file, t);
    std::string atteso;
    std::string colonna_1;
    t.percorri([&](tipo_elemento tipo, double x, double y) {
        scrittore_le(atteso, byte_elemento(tipo)).elemento(tipo, x);
        scrittore_le(colonna_1, byte_elemento(tipo)).elemento(tipo, y);
    });
    EXPECT_TRUE(file.byte == atteso + colonna_1);
}

TEST(ScritturaInParallelo, UnaScritturaFallitaArrivaAlChiamante) {
    for (const int da : {0, 1, 3, 7}) {
        flusso_di_prova file(da);
        EXPECT_THROW(scrivi_profilo(file, profilo_lungo()), guasto) << da;
    }
}

}  // namespace
