#include "model/tracciato.h"

#include <string>

#include "model/guasto.h"

void tracciato::crea(std::int32_t ultimo_metro) {
    if (ultimo_metro < 0) throw guasto("profilo di lunghezza negativa");
    *this = tracciato{};
    ultimo_ = ultimo_metro;
}

void tracciato::semina(std::int16_t x0, std::int16_t y0, std::int16_t x1, std::int16_t y1) {
    if (ultimo_ < 1) throw guasto("profilo senza i due metri iniziali");
    seminato_ = true;
    seme_0_ = {static_cast<double>(x0), static_cast<double>(y0)};
    seme_1_ = {static_cast<double>(x1), static_cast<double>(y1)};
    prossimo_ = 2;
    tratti_.clear();
}

void tracciato::calcola(std::int32_t da, std::int32_t a, bool curvo, double curvatura) {
    if (!seminato_ || da != prossimo_ || a < da || a > ultimo_) {
        throw guasto("metri " + std::to_string(da) + ".." + std::to_string(a) +
                     " fuori ordine nel profilo 0.." + std::to_string(ultimo_));
    }
    if (tratti_.empty() || tratti_.back().curvo != curvo || tratti_.back().curvatura != curvatura) {
        tratti_.push_back({a, curvo, curvatura});
    }
    tratti_.back().fine = a;
    prossimo_ = a + 1;
}

tipo_elemento tracciato::tipo(std::int64_t metro, int colonna) const {
    if (metro < 0 || metro > ultimo_ || colonna < 0 || colonna > 1) {
        throw guasto("metro " + std::to_string(metro) + " fuori dal profilo 0.." +
                     std::to_string(ultimo_));
    }
    if (metro >= primo_vuoto()) return tipo_elemento::vuoto;
    return metro <= 1 ? tipo_elemento::intero16 : tipo_elemento::doppio;
}

double tracciato::valore(std::int64_t metro, int colonna) const {
    tipo(metro, colonna);  // checks the metre
    double trovato = 0.0;
    std::int64_t m = 0;
    percorri([&](tipo_elemento, double x, double y) {
        if (m++ == metro) trovato = colonna == 0 ? x : y;
    });
    return trovato;
}
