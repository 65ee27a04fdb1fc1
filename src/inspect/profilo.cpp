#include "inspect/profilo.h"

#include <string>

#include "model/guasto.h"

void profilo::crea(std::int32_t ultimo_metro) {
    if (ultimo_metro < 0) throw guasto("profilo di lunghezza negativa");
    ultimo_metro_ = ultimo_metro;
    const std::size_t elementi = 2 * (static_cast<std::size_t>(ultimo_metro) + 1);
    tipi_.assign(elementi, tipo_elemento::vuoto);
    valori_.assign(elementi, 0.0);
}

std::size_t profilo::indice(std::int64_t metro, int colonna) const {
    if (metro < 0 || metro > ultimo_metro_ || colonna < 0 || colonna > 1) {
        throw guasto("metro " + std::to_string(metro) + " fuori dal profilo 0.." +
                     std::to_string(ultimo_metro_));
    }
    return static_cast<std::size_t>(colonna) * (static_cast<std::size_t>(ultimo_metro_) + 1) +
           static_cast<std::size_t>(metro);
}

tipo_elemento profilo::tipo(std::int64_t metro, int colonna) const {
    return tipi_[indice(metro, colonna)];
}

double profilo::valore(std::int64_t metro, int colonna) const {
    return valori_[indice(metro, colonna)];
}

void profilo::imposta_intero(std::int64_t metro, int colonna, std::int16_t v) {
    const std::size_t i = indice(metro, colonna);
    tipi_[i] = tipo_elemento::intero16;
    valori_[i] = v;
}

void profilo::imposta_doppio(std::int64_t metro, int colonna, double v) {
    const std::size_t i = indice(metro, colonna);
    tipi_[i] = tipo_elemento::doppio;
    valori_[i] = v;
}
