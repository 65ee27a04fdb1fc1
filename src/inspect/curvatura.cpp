#include "inspect/curvatura.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool pieno(const profilo& p, std::int64_t m) {
    return p.tipo(m, 0) != tipo_elemento::vuoto && p.tipo(m, 1) != tipo_elemento::vuoto;
}

double direzione(const profilo& p, std::int64_t da, std::int64_t a) {
    return std::atan2(p.valore(a, 1) - p.valore(da, 1), p.valore(a, 0) - p.valore(da, 0));
}

}  // namespace

std::vector<campione_curvatura> curvature(const profilo& p, std::int32_t lunghezza,
                                          std::int32_t passo) {
    std::vector<campione_curvatura> uscita;
    if (!p.creato()) return uscita;
    std::int64_t ultimo = std::min<std::int64_t>(lunghezza, p.ultimo_metro());
    while (ultimo > 0 && !pieno(p, ultimo)) --ultimo;
    for (std::int64_t m = passo; m + passo <= ultimo; m += passo) {
        if (!pieno(p, m - passo)) continue;
        const double svolta = std::remainder(
            direzione(p, m, m + passo) - direzione(p, m - passo, m), 2 * std::numbers::pi);
        uscita.push_back({static_cast<std::int32_t>(m), svolta / passo * 1000});
    }
    return uscita;
}
