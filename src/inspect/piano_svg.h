#pragma once

#include <string>

#include "inspect/elementi_linea.h"
#include "inspect/profilo.h"

// The whole drawing as a self-contained SVG document: title, legend, the plan view when
// there is a profile (`p` may be null), and the strip chart.
std::string piano_svg(const elementi_linea& e, const profilo* p);
