#pragma once

#include "inspect/elementi_linea.h"
#include "inspect/svg_base.h"

// Track values along the line's length in kilometres: speed limit, gradient, the cab-signal
// repetition stretch, and ticks for stations and signals.
frammento_svg grafico_striscia(const elementi_linea& e, double x, double y, double larghezza);
