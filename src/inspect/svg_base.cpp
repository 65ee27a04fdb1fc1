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

namespace {

// Advance of one character in em, rounded up from DejaVu Sans: capitals and digits are
// wide, a blank narrow; the bold face is about a tenth wider.
double avanzamento(unsigned char c, bool grassetto) {
    double em = 0.56;
    if (c == ' ') {
        em = 0.32;
    } else if ((c >= 'A' && c <= 'Z') || c >= 0x80) {
        em = 0.74;
    } else if (c >= '0' && c <= '9') {
        em = 0.64;
    } else if (c == 'm' || c == 'w') {
        em = 0.9;
    } else if (c == 'i' || c == 'l' || c == '.' || c == ',' || c == ':' || c == '(' || c == ')') {
        em = 0.36;
    }
    return grassetto ? em * 1.1 : em;
}

}  // namespace

riquadro riquadro_testo(double x, double y, std::string_view testo, const carattere& c, ancora a) {
    double larghezza = 0;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const auto b = static_cast<unsigned char>(testo[i]);
        if ((b & 0xC0) == 0x80) continue;  // one advance per UTF-8 character
        larghezza += avanzamento(b, c.grassetto) * c.dimensione;
    }
    const double inizio = a == ancora::inizio   ? x
                          : a == ancora::centro ? x - larghezza / 2
                                                : x - larghezza;
    return {inizio, y - c.dimensione * 0.95, inizio + larghezza, y + c.dimensione * 0.3};
}

bool impaginazione::senza_testi(const riquadro& r) const {
    for (const riquadro& t : testi_) {
        if (t.interseca(r)) return false;
    }
    return true;
}

bool impaginazione::libero(const riquadro& r) const {
    if (!senza_testi(r)) return false;
    for (const riquadro& o : ostacoli_) {
        if (o.interseca(r)) return false;
    }
    return true;
}

std::string impaginazione::testo(double x, double y, std::string_view testo, const carattere& c,
                                 ancora a, std::string_view attributi) {
    testi_.push_back(riquadro_testo(x, y, testo, c, a));
    std::string attr;
    auto aggiungi = [&](std::string_view pezzo) {
        if (!attr.empty()) attr.push_back(' ');
        attr.append(pezzo);
    };
    if (!c.classe.empty()) aggiungi("class=\"" + std::string(c.classe) + "\"");
    if (a != ancora::inizio)
        aggiungi(a == ancora::centro ? "text-anchor=\"middle\"" : "text-anchor=\"end\"");
    if (!attributi.empty()) aggiungi(attributi);
    return testo_svg(x, y, testo, attr);
}
