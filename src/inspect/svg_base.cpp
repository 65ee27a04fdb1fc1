#include "inspect/svg_base.h"

#include <cmath>
#include <cstdio>

#include "inspect/testo_escape.h"

std::string num(double v) {
    const double arrotondato = std::round(v * 10) / 10;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", arrotondato == 0 ? 0.0 : arrotondato);
    std::string s = buffer;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s;
}

std::string testo_svg(double x, double y, std::string_view testo, std::string_view attributi) {
    std::string s = "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\"";
    if (!attributi.empty()) {
        s += ' ';
        s += attributi;
    }
    return s + ">" + escape_xml(testo) + "</text>\n";
}

std::string uso_simbolo(std::string_view id, double x, double y) {
    return "<use xlink:href=\"#" + std::string(id) + "\" x=\"" + num(x) + "\" y=\"" + num(y) +
           "\"/>";
}
