// The profile file: every element as a 16-bit type tag and its value, column 0 for every
// metre, then column 1. Both columns come out of one walk along the line, each through a
// small buffer of its own that is written at the column's place in the file.
#include <algorithm>

#include "output/flusso_uscita.h"
#include "output/formato_binario.h"
#include "output/scrittore_le.h"
#include "output/scrittura_in_parallelo.h"

namespace {

// Column 0's length in the file, which is where column 1 begins.
std::uint64_t byte_colonna(const tracciato& p) {
    const std::uint64_t metri = static_cast<std::uint64_t>(p.ultimo_metro()) + 1;
    const std::uint64_t vuoti = metri - static_cast<std::uint64_t>(p.primo_vuoto());
    const std::uint64_t interi = p.seminato() ? 2 : 0;
    return interi * byte_elemento(tipo_elemento::intero16) +
           (metri - vuoti - interi) * byte_elemento(tipo_elemento::doppio) +
           vuoti * byte_elemento(tipo_elemento::vuoto);
}

// A block of about an eighth of the column, between 16 and 256 KiB: every fresh page costs a
// page fault and every block a write call, and both cost about the same.
std::size_t dimensione_blocco(std::uint64_t byte_colonna) {
    return static_cast<std::size_t>(std::clamp<std::uint64_t>(byte_colonna / 8, 1 << 14, 1 << 18));
}

// One column on its way to the file, a block at a time, through the shared writer. The walk
// fills the block through a pointer of its own, as many elements as surely fit at a time.
class colonna_in_uscita {
  public:
    colonna_in_uscita(scrittura_in_parallelo& scrittura, std::uint64_t inizio,
                      std::size_t dimensione)
        : scrittura_(scrittura), dimensione_(dimensione), blocco_(scrittura.prendi()) {
        blocco_.posizione = inizio;
    }

    // Hands the block over once the largest element might not fit, so that none is split.
    void fai_posto() {
        if (blocco_.pieno > dimensione_ - byte_elemento_massimo) svuota();
    }
    // How many elements fit whatever their kind.
    std::size_t posti() const { return (dimensione_ - blocco_.pieno) / byte_elemento_massimo; }
    unsigned char* dove() { return blocco_.byte.get() + blocco_.pieno; }
    void riempito_fino(const unsigned char* dove) {
        blocco_.pieno = static_cast<std::size_t>(dove - blocco_.byte.get());
    }

    void svuota() {
        const std::uint64_t prossima = blocco_.posizione + blocco_.pieno;
        scrittura_.scrivi(std::move(blocco_));
        blocco_ = scrittura_.prendi();
        blocco_.posizione = prossima;
    }

  private:
    scrittura_in_parallelo& scrittura_;
    std::size_t dimensione_;
    scrittura_in_parallelo::blocco blocco_;
};

unsigned char* metti_elemento(unsigned char* dove, tipo_elemento tipo, double valore) {
    scrittore_le s(dove);
    s.elemento(tipo, valore);
    return s.dove();
}

// Each metre's two elements, one into each column. The places are held by value, so that a
// copy of the visitor can keep them in registers along a piece of the walk.
struct metti_metro {
    unsigned char* dove_0;
    unsigned char* dove_1;
    void operator()(tipo_elemento tipo, double x, double y) {
        dove_0 = metti_elemento(dove_0, tipo, x);
        dove_1 = metti_elemento(dove_1, tipo, y);
    }
};

// Two blocks being filled, two with the writer: the peak memory stays within 4 MiB.
constexpr std::size_t blocchi_in_giro = 4;

}  // namespace

// The walk along the line is a serial chain of steps; the blocks it fills are written by a
// second thread meanwhile, so the two costs overlap instead of adding up.
void scrivi_profilo(flusso_uscita& file, const tracciato& p) {
    const std::uint64_t colonna = byte_colonna(p);
    const std::size_t dimensione = dimensione_blocco(colonna);
    scrittura_in_parallelo scrittura(file, dimensione, blocchi_in_giro);
    colonna_in_uscita colonna_0(scrittura, 0, dimensione);
    colonna_in_uscita colonna_1(scrittura, colonna, dimensione);
    // In pieces of as many metres as both blocks surely take: no call within a piece, so
    // the serial chain of steps stays in registers.
    tracciato::cammino cammino;
    const std::int32_t fine = p.ultimo_metro() + 1;
    while (cammino.metro < fine) {
        colonna_0.fai_posto();
        colonna_1.fai_posto();
        const auto posti =
            static_cast<std::int64_t>(std::min(colonna_0.posti(), colonna_1.posti()));
        const auto fino =
            static_cast<std::int32_t>(std::min<std::int64_t>(fine, cammino.metro + posti));
        metti_metro metti{colonna_0.dove(), colonna_1.dove()};
        p.percorri_fino(cammino, fino, metti);
        colonna_0.riempito_fino(metti.dove_0);
        colonna_1.riempito_fino(metti.dove_1);
    }
    colonna_0.svuota();
    colonna_1.svuota();
    scrittura.attendi();
}
