#pragma once

#include <cstdint>
#include <vector>

#include "model/tipo_elemento.h"

// A point of the line's plan: the two columns of one profile metre.
struct punto_profilo {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const punto_profilo&) const = default;
};

// One metre further. The straight step repeats the last one; the curved step turns it by the
// curvature k. The operation order is the file format's: results must match bit for bit.
inline punto_profilo passo_profilo(punto_profilo p2, punto_profilo p1, bool curvo, double k) {
    const double d0 = p1.x - p2.x;
    const double d1 = p1.y - p2.y;
    if (curvo) return {p1.x + (d1 * k + d0), p1.y + (d1 - d0 * k)};
    return {p1.x + d0, p1.y + d1};
}

// The per-metre plan of the line (metres 0..ultimo_metro, two columns), kept as the steps that
// draw it: two integer seed metres, then one straight or curved step per metre, computed in
// metre order. The values are produced when the profile is walked, never stored metre by
// metre: the profile of the longest line would otherwise take 20 MB twice over.
class tracciato {
  public:
    void crea(std::int32_t ultimo_metro);
    bool creato() const { return ultimo_ >= 0; }
    std::int32_t ultimo_metro() const { return ultimo_; }

    // Metres 0 and 1, as 16-bit integers.
    void semina(std::int16_t x0, std::int16_t y0, std::int16_t x1, std::int16_t y1);
    // Computes metres da..a with one kind of step; da must follow the seeds and the steps so
    // far. The steps are recorded, not taken: the values come out when the profile is walked.
    void calcola(std::int32_t da, std::int32_t a, bool curvo, double curvatura);

    bool seminato() const { return seminato_; }
    // The first metre not computed: metres from here to ultimo_metro are empty.
    std::int32_t primo_vuoto() const { return seminato_ ? prossimo_ : 0; }

    tipo_elemento tipo(std::int64_t metro, int colonna) const;
    // Walks the line up to the metre; for inspection, not for hot paths.
    double valore(std::int64_t metro, int colonna) const;

    // Calls visita(tipo, x, y) for every metre from 0 to ultimo_metro, in order.
    template <typename Visita>
    void percorri(Visita&& visita) const;

    bool operator==(const tracciato&) const = default;

  private:
    // Metres up to `fine` (inclusive) taken with the same kind of step.
    struct tratto {
        std::int32_t fine = 0;
        bool curvo = false;
        double curvatura = 0.0;
        bool operator==(const tratto&) const = default;
    };

    std::int32_t ultimo_ = -1;
    bool seminato_ = false;
    punto_profilo seme_0_;
    punto_profilo seme_1_;
    std::int32_t prossimo_ = 2;
    std::vector<tratto> tratti_;
};

template <typename Visita>
void tracciato::percorri(Visita&& visita) const {
    std::int32_t m = 0;
    if (seminato_) {
        visita(tipo_elemento::intero16, seme_0_.x, seme_0_.y);
        visita(tipo_elemento::intero16, seme_1_.x, seme_1_.y);
        punto_profilo p2 = seme_0_;
        punto_profilo p1 = seme_1_;
        m = 2;
        for (const tratto& t : tratti_) {
            for (; m <= t.fine; ++m) {
                const punto_profilo p = passo_profilo(p2, p1, t.curvo, t.curvatura);
                visita(tipo_elemento::doppio, p.x, p.y);
                p2 = p1;
                p1 = p;
            }
        }
    }
    for (; m <= ultimo_; ++m) visita(tipo_elemento::vuoto, 0.0, 0.0);
}
