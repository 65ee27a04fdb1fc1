#include "inspect/piano_svg.h"

#include "inspect/grafico_striscia.h"
#include "inspect/simboli_svg.h"
#include "inspect/svg_base.h"
#include "inspect/testo_escape.h"
#include "inspect/vista_piano.h"

namespace {

// Fits a 1600 px wide browser window with its scroll bar.
constexpr double larghezza_pagina = 1560;
constexpr double margine = 60;
constexpr double altezza_piano_massima = 480;

constexpr const char* stile =
    "<style>\n"
    "text { font-family: 'DejaVu Sans', Arial, sans-serif; font-size: 11px; fill: #222; }\n"
    ".titolo { font-size: 18px; font-weight: bold; }\n"
    ".nome-stazione { font-size: 12px; font-weight: bold; fill: #1f4e9c; }\n"
    ".testo-cartello { font-size: 11px; fill: #1d7a1d; }\n"
    ".valore { font-size: 10px; fill: #a04000; }\n"
    ".asse { font-size: 10px; fill: #555; }\n"
    ".linea { fill: none; stroke: #333; stroke-width: 2.5; stroke-linejoin: round; }\n"
    ".richiamo { stroke: #999; stroke-width: 0.7; }\n"
    ".scala path { fill: none; stroke: #000; stroke-width: 1.5; }\n"
    ".cornice { fill: #fafafa; stroke: #bbb; }\n"
    ".griglia { stroke: #e0e0e0; }\n"
    ".zero { stroke: #999; }\n"
    ".asse-linea { stroke: #555; }\n"
    ".velocita { fill: none; stroke: #1f77b4; stroke-width: 2; }\n"
    ".in-vigore { fill: none; stroke: #d62728; stroke-width: 1.5; stroke-dasharray: 5 3; }\n"
    ".curvatura { fill: none; stroke: #2ca02c; stroke-width: 1.5; }\n"
    ".sensibile { fill: transparent; }\n"
    ".nord line { stroke: #000; stroke-width: 1.5; }\n"
    ".pendenza { fill: none; stroke: #8c564b; stroke-width: 2; }\n"
    ".ripetizione { fill: #9edae5; stroke: #17becf; }\n"
    ".testo-ripetizione { font-size: 11px; fill: #0b5560; }\n"
    ".tacca-stazione { stroke: #1f4e9c; stroke-width: 0.8; stroke-dasharray: 3 2; }\n"
    ".tacca-segnale { stroke: #d62728; stroke-width: 1; }\n"
    "</style>\n";

std::string titolo(const elementi_linea& e) {
    return "Linea " + e.nome_linea + " \u2014 treno " + e.numero_treno;
}

std::string apertura(const elementi_linea& e, double altezza) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
           num(larghezza_pagina) + "\" height=\"" + num(altezza) + "\" viewBox=\"0 0 " +
           num(larghezza_pagina) + " " + num(altezza) + "\">\n<title>" + escape_xml(titolo(e)) +
           "</title>\n" + stile + definizioni_simboli() +
           "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
}

}  // namespace

disegno_piano componi_piano(const elementi_linea& e, const profilo* p) {
    const double larghezza = larghezza_pagina - 2 * margine;
    impaginazione testi;
    disegno_piano d;
    d.larghezza_pagina = larghezza_pagina;
    d.larghezza_piano = larghezza;
    double y = 36;
    std::string corpo = testi.testo(margine, y, titolo(e), carattere_titolo);
    y += 14;
    const frammento_svg chiave = legenda(margine, y, larghezza, testi);
    corpo += chiave.testo;
    y += chiave.altezza + 16;
    // The strip chart first: it is what fits a browser window, and the plan follows it.
    const frammento_svg striscia = grafico_striscia(e, p, margine, y, larghezza, testi);
    corpo += striscia.testo;
    y += striscia.altezza;
    d.fondo_striscia = y;
    y += 10;
    if (p != nullptr) {
        const piano_disegnato piano =
            vista_piano(e, *p, margine, y, larghezza, altezza_piano_massima, testi);
        corpo += piano.testo;
        y += piano.altezza;
        d.fondo_piano = y;
        d.linea_da = piano.linea_da - margine;
        d.linea_a = piano.linea_a - margine;
    } else {
        y += 10;
        corpo += testi.testo(margine, y, "Vista in pianta assente: manca il file del profilo.",
                             carattere_asse);
    }
    y += 20;
    d.svg = apertura(e, y) + corpo + "</svg>\n";
    d.testi = testi.testi();
    d.ostacoli = testi.ostacoli();
    return d;
}

std::string piano_svg(const elementi_linea& e, const profilo* p) {
    return componi_piano(e, p).svg;
}
