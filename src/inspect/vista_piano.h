#pragma once

#include "inspect/elementi_linea.h"
#include "inspect/profilo.h"
#include "inspect/svg_base.h"

// The line seen from above, from the profile's two plane coordinates, with equal scales on
// both axes, fitted into `larghezza` and at most `altezza_massima`, with a scale bar.
frammento_svg vista_piano(const elementi_linea& e, const profilo& p, double x, double y,
                          double larghezza, double altezza_massima);
