#pragma once

#include <string>
#include <vector>

#include "inspect/elementi_linea.h"
#include "inspect/profilo.h"
#include "inspect/svg_base.h"

// The drawing and the layout it was made from.
struct disegno_piano {
    std::string svg;
    std::vector<riquadro> testi;     // the box of every text on the page
    std::vector<riquadro> ostacoli;  // what texts keep clear of: the station lines
    double larghezza_pagina = 0;
    double fondo_striscia = 0;   // where the strip chart ends, from the top of the page
    double fondo_piano = 0;      // where the plan view ends
    double larghezza_piano = 0;  // the plan view's width
    double linea_da = 0;         // the line's extent across the plan view, from its left edge
    double linea_a = 0;
};

// A self-contained SVG page: title, legend, the strip chart along the line and, when the
// profile is there, the plan view.
disegno_piano componi_piano(const elementi_linea& e, const profilo* p);
std::string piano_svg(const elementi_linea& e, const profilo* p);
