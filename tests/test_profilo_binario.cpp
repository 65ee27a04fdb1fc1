// The profile kept as steps, and its file: both columns must land at the right offsets, bit
// for bit, whatever the mix of seeds, computed metres and empty tail.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/guasto.h"
#include "model/tracciato.h"
#include "output/file_atomico.h"
#include "output/formato_binario.h"
#include "output/scrittore_le.h"
#include "platform/cartella_temporanea.h"
#include "platform/lettura_file.h"

namespace {

std::string scritto(const tracciato& p) {
    cartella_temporanea cartella;
    const std::string percorso = cartella.percorso() + "/p_linea.dat";
    file_atomico file(percorso);
    scrivi_profilo(file, p);
    file.conferma();
    return leggi_file(percorso);
}

std::string intero(std::int16_t v) {
    return std::string("\x02\x00", 2) + static_cast<char>(v & 0xFF) + static_cast<char>(v >> 8);
}

std::string doppio(double v) {
    std::string s("\x05\x00", 2);
    unsigned char b[8];
    std::memcpy(b, &v, 8);  // the test machines are little-endian
    s.append(reinterpret_cast<const char*>(b), 8);
    return s;
}

const std::string vuoto("\x00\x00", 2);

tracciato seminato(std::int32_t ultimo) {
    tracciato p;
    p.crea(ultimo);
    p.semina(0, 0, 0, 1);
    return p;
}

TEST(Tracciato, StraightAndCurvedStepsThenEmptyTail) {
    tracciato p = seminato(9);
    p.calcola(2, 4, false, 0.0);
    p.calcola(5, 5, false, 0.0);
    p.calcola(6, 7, true, 0.5);
    // Metre 6 turns the unit step (0, 1) by 0.5; metre 7 turns the longer step again.
    EXPECT_EQ(p.valore(5, 1), 5.0);
    EXPECT_EQ(p.valore(6, 0), 0.5);
    EXPECT_EQ(p.valore(6, 1), 6.0);
    EXPECT_EQ(p.valore(7, 0), 1.5);
    EXPECT_EQ(p.valore(7, 1), 6.75);
    EXPECT_EQ(p.tipo(1, 1), tipo_elemento::intero16);
    EXPECT_EQ(p.tipo(7, 0), tipo_elemento::doppio);
    EXPECT_EQ(p.tipo(8, 0), tipo_elemento::vuoto);

    const double x[] = {0, 0, 0, 0, 0.5, 1.5};
    const double y[] = {2, 3, 4, 5, 6, 6.75};
    std::string atteso = intero(0) + intero(0);
    for (double v : x) atteso += doppio(v);
    atteso += vuoto + vuoto + intero(0) + intero(1);
    for (double v : y) atteso += doppio(v);
    atteso += vuoto + vuoto;
    EXPECT_EQ(scritto(p), atteso);
}

TEST(Tracciato, UnseededProfileIsAllEmpty) {
    tracciato p;
    p.crea(4);
    EXPECT_EQ(scritto(p), std::string(2 * 5 * 2, '\0'));
}

TEST(Tracciato, StepsOnlyInMetreOrderInsideTheProfile) {
    tracciato p = seminato(4);
    EXPECT_THROW(p.calcola(3, 3, false, 0.0), guasto);
    EXPECT_THROW(p.calcola(2, 5, false, 0.0), guasto);
    p.calcola(2, 3, false, 0.0);
    EXPECT_THROW(p.calcola(4, 3, false, 0.0), guasto);
    p.calcola(4, 4, false, 0.0);
    EXPECT_THROW(p.calcola(5, 5, false, 0.0), guasto);
    tracciato senza_semi;
    senza_semi.crea(3);
    EXPECT_THROW(senza_semi.calcola(2, 2, false, 0.0), guasto);
}

TEST(Tracciato, LongProfileCrossesWriteBlocks) {
    const std::int32_t ultimo = 100001;
    tracciato p = seminato(ultimo);
    p.calcola(2, ultimo - 2, false, 0.0);
    const std::string file = scritto(p);
    const std::size_t colonna = 2 * 4 + (ultimo - 3) * std::size_t{10} + 2 * 2;
    ASSERT_EQ(file.size(), 2 * colonna);
    for (std::int32_t m = 2; m <= ultimo - 2; ++m) {
        const std::size_t dove = colonna + 8 + static_cast<std::size_t>(m - 2) * 10;
        ASSERT_EQ(file.substr(dove, 10), doppio(m)) << m;
    }
    EXPECT_EQ(file.substr(file.size() - 4), vuoto + vuoto);
}

// Keeps what is written, at its place; fails from the given write on.
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

// Long enough for many blocks, with both kinds of step crossing block ends.
tracciato profilo_lungo() {
    tracciato t;
    t.crea(400000);
    t.semina(0, 0, 0, 1);
    t.calcola(2, 150000, false, 0.0);
    t.calcola(150001, 250000, true, 0.001);
    t.calcola(250001, 399998, false, 0.0);
    return t;
}

TEST(ProfiloBinario, TheFileIsTheWalkElementByElement) {
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

TEST(ProfiloBinario, AFailedWriteReachesTheCaller) {
    for (const int da : {0, 1, 3, 7}) {
        flusso_di_prova file(da);
        EXPECT_THROW(scrivi_profilo(file, profilo_lungo()), guasto) << da;
    }
}

}  // namespace
