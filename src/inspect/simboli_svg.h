#pragma once

#include <string>
#include <string_view>

#include "inspect/elementi_linea.h"
#include "inspect/svg_base.h"

inline constexpr std::string_view simbolo_stazione = "stazione";

std::string_view id_simbolo(genere_oggetto g);
// What the object is, in words, as the legend names it.
std::string_view nome_genere(genere_oggetto g);

// The <defs> block with every symbol, each drawn around (0, 0).
std::string definizioni_simboli();

// The key to the symbols and the chart's lines, laid out in rows within `larghezza`.
frammento_svg legenda(double x, double y, double larghezza, impaginazione& testi);
