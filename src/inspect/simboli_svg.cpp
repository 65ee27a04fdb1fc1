#include "inspect/simboli_svg.h"

#include <algorithm>
#include <vector>

namespace {

struct voce_legenda {
    std::string_view disegno;  // a symbol's id; empty when `campione` draws the sample
    std::string_view campione;
    std::string_view testo;
};

const std::vector<voce_legenda>& voci() {
    static const std::vector<voce_legenda> v{
        {simbolo_stazione, "", "stazione"},
        {"segnale", "", "segnale"},
        {"cartello", "", "cartello indicatore"},
        {"vmax", "", "indicatore di velocità massima"},
        {"avviso", "", "avviso di rallentamento"},
        {"inizio", "", "inizio rallentamento"},
        {"fine", "", "fine rallentamento"},
        {"abbattimento", "", "abbattimento del codice"},
        {"", "<line x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\" class=\"velocita\"/>",
         "limite di velocità della linea (km/h)"},
        {"", "<line x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\" class=\"in-vigore\"/>",
         "velocità in vigore, con i rallentamenti (km/h)"},
        {"", "<line x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\" class=\"pendenza\"/>",
         "pendenza (\u2030)"},
        {"", "<line x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\" class=\"curvatura\"/>",
         "curvatura (1/km, a sinistra positiva)"},
        {"", "<rect x=\"-8\" y=\"-5\" width=\"16\" height=\"10\" class=\"ripetizione\"/>",
         "ripetizione segnali in cabina"},
    };
    return v;
}

}  // namespace

std::string_view id_simbolo(genere_oggetto g) {
    switch (g) {
        case genere_oggetto::segnale:
            return "segnale";
        case genere_oggetto::cartello_indicatore:
            return "cartello";
        case genere_oggetto::indicatore_vmax:
            return "vmax";
        case genere_oggetto::avviso_rallentamento:
            return "avviso";
        case genere_oggetto::inizio_rallentamento:
            return "inizio";
        case genere_oggetto::fine_rallentamento:
            return "fine";
        case genere_oggetto::abbattimento:
            return "abbattimento";
    }
    return "";
}

std::string_view nome_genere(genere_oggetto g) {
    const std::string_view id = id_simbolo(g);
    for (const voce_legenda& v : voci()) {
        if (v.disegno == id) return v.testo;
    }
    return id;
}

std::string definizioni_simboli() {
    return "<defs>\n"
           "<g id=\"stazione\"><rect x=\"-5\" y=\"-5\" width=\"10\" height=\"10\" "
           "fill=\"#1f4e9c\" stroke=\"#fff\" stroke-width=\"1.5\"/></g>\n"
           "<g id=\"segnale\"><circle r=\"4\" fill=\"#d62728\" stroke=\"#000\" "
           "stroke-width=\"1\"/></g>\n"
           "<g id=\"cartello\"><rect x=\"-7\" y=\"-4\" width=\"14\" height=\"8\" "
           "fill=\"#2ca02c\" stroke=\"#fff\" stroke-width=\"1\"/></g>\n"
           "<g id=\"vmax\"><circle r=\"4.5\" fill=\"#fff\" stroke=\"#1f77b4\" "
           "stroke-width=\"2\"/></g>\n"
           "<g id=\"avviso\"><path d=\"M0,-6 L5.5,4 L-5.5,4 Z\" fill=\"#ffd43b\" "
           "stroke=\"#000\" stroke-width=\"1\"/></g>\n"
           "<g id=\"inizio\"><path d=\"M0,-6 L5.5,4 L-5.5,4 Z\" fill=\"#ff7f0e\" "
           "stroke=\"#000\" stroke-width=\"1\"/></g>\n"
           "<g id=\"fine\"><path d=\"M0,4 L5.5,-6 L-5.5,-6 Z\" fill=\"#fff\" "
           "stroke=\"#ff7f0e\" stroke-width=\"1.5\"/></g>\n"
           "<g id=\"abbattimento\"><path d=\"M-4,-4 L4,4 M-4,4 L4,-4\" stroke=\"#9467bd\" "
           "stroke-width=\"2.5\"/></g>\n"
           "</defs>\n";
}

frammento_svg legenda(double x, double y, double larghezza, impaginazione& testi) {
    constexpr double riga = 20;
    constexpr double spazio_simbolo = 24;  // the symbol and the room before its text
    const auto& v = voci();
    double passo = 0;
    for (const voce_legenda& voce : v) {
        const riquadro r = riquadro_testo(0, 0, voce.testo, carattere_normale);
        passo = std::max(passo, r.x1 - r.x0 + spazio_simbolo + 12);
    }
    const int per_riga = std::max(1, static_cast<int>(larghezza / passo));
    frammento_svg f;
    f.testo = "<g class=\"legenda\">\n";
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double cx = x + 10 + static_cast<double>(static_cast<int>(i) % per_riga) * passo;
        const double cy = y + 11 + static_cast<double>(static_cast<int>(i) / per_riga) * riga;
        if (v[i].disegno.empty()) {
            f.testo += "<g transform=\"translate(" + num(cx) + "," + num(cy) + ")\">" +
                       std::string(v[i].campione) + "</g>";
        } else {
            f.testo += uso_simbolo(v[i].disegno, cx, cy);
        }
        f.testo += testi.testo(cx + 14, cy + 4, v[i].testo, carattere_normale);
    }
    f.testo += "</g>\n";
    const auto righe = (static_cast<int>(v.size()) + per_riga - 1) / per_riga;
    f.altezza = righe * riga + 6;
    return f;
}
