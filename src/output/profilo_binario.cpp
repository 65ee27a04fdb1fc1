// The profile file: every element as a 16-bit type tag and its value, column 0 for every
// metre, then column 1. Both columns come out of one walk along the line, each through a
// small buffer of its own that is written at the column's place in the file.
#include <algorithm>
#include <memory>

#include "output/flusso_uscita.h"
#include "output/formato_binario.h"
#include "output/scrittore_le.h"

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

// One column on its way to the file, through a block of its own written at the column's
// place whenever it is full. The walk fills the block through a pointer of its own, as many
// elements as surely fit at a time.
class colonna_in_uscita {
  public:
    colonna_in_uscita(flusso_uscita& file, std::uint64_t inizio, std::size_t dimensione)
        : file_(file),
          dimensione_(dimensione),
          byte_(std::make_unique_for_overwrite<unsigned char[]>(dimensione)),
          posizione_(inizio) {}

    // Writes the block once the largest element might not fit, so that none is split.
    void fai_posto() {
        if (pieno_ > dimensione_ - byte_elemento_massimo) svuota();
    }
    // How many elements fit whatever their kind.
    std::size_t posti() const { return (dimensione_ - pieno_) / byte_elemento_massimo; }
    unsigned char* dove() { return byte_.get() + pieno_; }
    void riempito_fino(const unsigned char* dove) {
        pieno_ = static_cast<std::size_t>(dove - byte_.get());
    }

    void svuota() {
        file_.scrivi_in(posizione_, byte_.get(), pieno_);
        posizione_ += pieno_;
        pieno_ = 0;
    }

  private:
    flusso_uscita& file_;
    std::size_t dimensione_;
    std::unique_ptr<unsigned char[]> byte_;
    std::uint64_t posizione_;
    std::size_t pieno_ = 0;
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

}  // namespace

// The walk along the line is a serial chain of steps: it fills the two columns' blocks, each
// written at its place when full. Writing them from a second thread meanwhile was measured
// on a 2-core machine and gained nothing, so the blocks are written as they fill.
void scrivi_profilo(flusso_uscita& file, const tracciato& p) {
    const std::uint64_t colonna = byte_colonna(p);
    const std::size_t dimensione = dimensione_blocco(colonna);
    colonna_in_uscita colonna_0(file, 0, dimensione);
    colonna_in_uscita colonna_1(file, colonna, dimensione);
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
}
