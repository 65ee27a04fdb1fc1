#pragma once

#include "inspect/elementi_linea.h"
#include "inspect/profilo.h"
#include "inspect/svg_base.h"

struct piano_disegnato {
    std::string testo;
    double altezza = 0;
    double linea_da = 0;  // the line's extent across the page
    double linea_a = 0;
};

// The line seen from above, from the profile's two plane coordinates, with equal scales on
// both axes. The drawing is turned so that the line's main direction runs across the page,
// start on the left, and a north arrow shows how; it is fitted into `larghezza` and at most
// `altezza_massima`, with a scale bar. Labels go where `testi` has no text yet.
piano_disegnato vista_piano(const elementi_linea& e, const profilo& p, double x, double y,
                            double larghezza, double altezza_massima, impaginazione& testi);
