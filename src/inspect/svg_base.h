#pragma once

#include <string>
#include <string_view>

// Small pieces shared by the parts of the drawing.

// A coordinate with one decimal, the precision a screen needs.
std::string num(double v);

// A text element; `testo` is UTF-8 and is escaped here. `attributi` are added as given.
std::string testo_svg(double x, double y, std::string_view testo, std::string_view attributi = {});

// A reference to one of the shared symbols, centred on (x, y).
std::string uso_simbolo(std::string_view id, double x, double y);

// What a part of the drawing adds and how tall it is.
struct frammento_svg {
    std::string testo;
    double altezza = 0;
};
