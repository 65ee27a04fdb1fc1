#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
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

    // Where a walk along the line stands: the next metre and the two before it.
    struct cammino {
        std::int32_t metro = 0;
        std::size_t tratto = 0;
        punto_profilo p2;
        punto_profilo p1;
    };

    // Calls visita(tipo, x, y) for every metre from 0 to ultimo_metro, in order.
    template <typename Visita>
    void percorri(Visita&& visita) const;
    // The same walk in pieces: the metres from c.metro up to `fine` (excluded), leaving c
    // there. Between two metres of one piece nothing but `visita` runs, so the walk's values
    // can stay in registers.
    template <typename Visita>
    void percorri_fino(cammino& c, std::int32_t fine, Visita&& visita) const;

    bool operator==(const tracciato&) const = default;

  private:
    // Out of line on purpose: inlined into a caller that makes calls around it, the four
    // values of the chain were kept in memory, adding a store and a load to every step.
    template <bool curvo, typename Visita>
    [[gnu::noinline]] static void passi(cammino& c, std::int32_t fine, double curvatura,
                                        Visita& visita);

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
    cammino c;
    percorri_fino(c, ultimo_ + 1, std::ref(visita));
}

template <bool curvo, typename Visita>
void tracciato::passi(cammino& c, std::int32_t fine, double curvatura, Visita& visita) {
    // Four scalars, not two points: copied as structs the points went through memory on
    // every metre, lengthening the chain. The visitor is copied in and out for the same
    // reason: what it stores could otherwise alias its own state.
    double x2 = c.p2.x, y2 = c.p2.y, x1 = c.p1.x, y1 = c.p1.y;
    Visita locale = visita;
    for (std::int32_t m = c.metro; m < fine; ++m) {
        const punto_profilo p = passo_profilo({x2, y2}, {x1, y1}, curvo, curvatura);
        locale(tipo_elemento::doppio, p.x, p.y);
        x2 = x1;
        y2 = y1;
        x1 = p.x;
        y1 = p.y;
    }
    visita = locale;
    c.p2 = {x2, y2};
    c.p1 = {x1, y1};
    c.metro = fine;
}

template <typename Visita>
void tracciato::percorri_fino(cammino& c, std::int32_t fine, Visita&& visita) const {
    fine = std::min(fine, ultimo_ + 1);
    if (seminato_) {
        for (; c.metro < fine && c.metro < 2; ++c.metro) {
            const punto_profilo& seme = c.metro == 0 ? seme_0_ : seme_1_;
            visita(tipo_elemento::intero16, seme.x, seme.y);
            if (c.metro == 1) {
                c.p2 = seme_0_;
                c.p1 = seme_1_;
            }
        }
        while (c.tratto < tratti_.size() && c.metro < fine) {
            const tratto t = tratti_[c.tratto];
            const std::int32_t fino = std::min(fine, t.fine + 1);
            if (t.curvo) {
                passi<true>(c, fino, t.curvatura, visita);
            } else {
                passi<false>(c, fino, t.curvatura, visita);
            }
            if (c.metro > t.fine) ++c.tratto;
        }
    }
    for (; c.metro < fine; ++c.metro) visita(tipo_elemento::vuoto, 0.0, 0.0);
}
