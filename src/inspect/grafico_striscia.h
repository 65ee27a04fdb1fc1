#pragma once

#include "inspect/elementi_linea.h"
#include "inspect/profilo.h"
#include "inspect/svg_base.h"

// Track values along the line's length in kilometres: the line's speed limit and the speed
// in force with the slowdowns, the gradient, the curvature (from the profile, when there is
// one), the cab-signal repetition stretch, and ticks for stations and signals. Texts go
// where `testi` has none yet.
frammento_svg grafico_striscia(const elementi_linea& e, const profilo* p, double x, double y,
                               double larghezza, impaginazione& testi);
