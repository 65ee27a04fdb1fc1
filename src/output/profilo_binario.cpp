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

// One column on its way to the file, a block at a time.
class colonna_in_uscita {
  public:
    colonna_in_uscita(flusso_uscita& file, std::uint64_t inizio, std::size_t dimensione)
        : file_(file),
          posizione_(inizio),
          dimensione_(dimensione),
          blocco_(std::make_unique_for_overwrite<unsigned char[]>(dimensione)) {}

    void elemento(tipo_elemento tipo, double valore) {
        // Flushed while the largest element still fits, so that none is ever split.
        if (pieno_ > dimensione_ - byte_elemento_massimo) svuota();
        scrittore_le s(blocco_.get() + pieno_);
        s.elemento(tipo, valore);
        pieno_ = static_cast<std::size_t>(s.dove() - blocco_.get());
    }

    void svuota() {
        file_.scrivi_in(posizione_, blocco_.get(), pieno_);
        posizione_ += pieno_;
        pieno_ = 0;
    }

  private:
    flusso_uscita& file_;
    std::uint64_t posizione_;
    std::size_t dimensione_;
    std::size_t pieno_ = 0;
    std::unique_ptr<unsigned char[]> blocco_;
};

}  // namespace

void scrivi_profilo(flusso_uscita& file, const tracciato& p) {
    const std::uint64_t colonna = byte_colonna(p);
    colonna_in_uscita colonna_0(file, 0, dimensione_blocco(colonna));
    colonna_in_uscita colonna_1(file, colonna, dimensione_blocco(colonna));
    p.percorri([&](tipo_elemento tipo, double x, double y) {
        colonna_0.elemento(tipo, x);
        colonna_1.elemento(tipo, y);
    });
    colonna_0.svuota();
    colonna_1.svuota();
}
