#pragma once

#include <cstdint>
#include <vector>

#include "model/tipo_elemento.h"

// A profile file as read back: two plane coordinates for every metre 0..ultimo_metro,
// each with the type its tag gives.
// Stored column after column, the order in which the profile file holds it.
class profilo {
  public:
    void crea(std::int32_t ultimo_metro);
    bool creato() const { return ultimo_metro_ >= 0; }
    std::int32_t ultimo_metro() const { return ultimo_metro_; }

    tipo_elemento tipo(std::int64_t metro, int colonna) const;
    double valore(std::int64_t metro, int colonna) const;
    void imposta_intero(std::int64_t metro, int colonna, std::int16_t v);
    void imposta_doppio(std::int64_t metro, int colonna, double v);

    // Column-major element order: column 0 for every metre, then column 1.
    const std::vector<tipo_elemento>& tipi() const { return tipi_; }
    const std::vector<double>& valori() const { return valori_; }

  private:
    std::size_t indice(std::int64_t metro, int colonna) const;

    std::int32_t ultimo_metro_ = -1;
    std::vector<tipo_elemento> tipi_;
    std::vector<double> valori_;
};
