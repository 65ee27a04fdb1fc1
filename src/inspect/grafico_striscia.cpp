#include "inspect/grafico_striscia.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "inspect/simboli_svg.h"

namespace {

constexpr double fascia_nomi = 110;  // room for the slanted station names
constexpr double altezza_segnali = 16;
constexpr double altezza_velocita = 130;
constexpr double altezza_pendenza = 80;
constexpr double altezza_ripetizione = 20;
constexpr double spazio = 8;
constexpr double altezza_asse = 30;

// Maps metres and values of one panel onto the page.
struct pannello {
    double x;
    double y;
    double larghezza;
    double altezza;
    double metri;
    double minimo;
    double massimo;

    double sx(double metro) const { return x + metro / metri * larghezza; }
    double sy(double v) const { return y + altezza - (v - minimo) / (massimo - minimo) * altezza; }
};

double arrotonda_su(double v, double passo) {
    return std::ceil(v / passo) * passo;
}

std::string linea(double x1, double y1, double x2, double y2, std::string_view classe) {
    return "<line class=\"" + std::string(classe) + "\" x1=\"" + num(x1) + "\" y1=\"" + num(y1) +
           "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) + "\"/>";
}

std::string cornice(const pannello& p) {
    return "<rect class=\"cornice\" x=\"" + num(p.x) + "\" y=\"" + num(p.y) + "\" width=\"" +
           num(p.larghezza) + "\" height=\"" + num(p.altezza) + "\"/>\n";
}

std::string scalino(const pannello& p, const std::vector<tratto_valore>& tratti,
                    std::string_view classe) {
    std::string d;
    for (const tratto_valore& t : tratti) {
        const std::string y = num(p.sy(t.valore));
        d += (d.empty() ? "M" : " L") + num(p.sx(t.da)) + "," + y + " L" + num(p.sx(t.a)) + "," + y;
    }
    return "<path class=\"" + std::string(classe) + "\" d=\"" + d + "\"/>\n";
}

// Horizontal grid lines with their values on the left.
std::string griglia(const pannello& p, double passo, std::string_view unita) {
    std::string s;
    for (double v = p.minimo; v <= p.massimo + 1e-9; v += passo) {
        s += linea(p.x, p.sy(v), p.x + p.larghezza, p.sy(v), v == 0 ? "zero" : "griglia");
        s += testo_svg(p.x - 4, p.sy(v) + 4, num(v), "text-anchor=\"end\" class=\"asse\"");
    }
    s += testo_svg(p.x + 4, p.y + 12, unita, "class=\"asse\"");
    return s + "\n";
}

template <typename F>
int estremo(const std::vector<tratto_valore>& tratti, F scegli) {
    int v = 0;
    for (const tratto_valore& t : tratti) v = scegli(v, t.valore);
    return v;
}

std::string pannello_velocita(const elementi_linea& e, pannello p) {
    const int massima = estremo(e.velocita, [](int a, int b) { return std::max(a, b); });
    p.minimo = 0;
    p.massimo = std::max(20.0, arrotonda_su(massima * 1.1, 20));
    const double passo = p.massimo > 100 ? 40 : 20;
    return cornice(p) + griglia(p, passo, "km/h") + scalino(p, e.velocita, "velocita");
}

std::string pannello_pendenza(const elementi_linea& e, pannello p) {
    const int massima = estremo(e.pendenze, [](int a, int b) { return std::max(a, std::abs(b)); });
    p.massimo = std::max(5.0, arrotonda_su(massima, 5));
    p.minimo = -p.massimo;
    return cornice(p) + griglia(p, p.massimo, "pendenza") + scalino(p, e.pendenze, "pendenza");
}

std::string fascia_ripetizione(const elementi_linea& e, const pannello& p) {
    if (e.ripetizione_fine <= 0)
        return testo_svg(p.x + 4, p.y + 14, "nessuna ripetizione segnali in cabina",
                         "class=\"asse\"");
    const double da = p.sx(std::clamp<double>(e.ripetizione_inizio, 0, p.metri));
    const double a = p.sx(std::clamp<double>(e.ripetizione_fine, 0, p.metri));
    const std::string testo =
        "ripetizione segnali in cabina, " + std::to_string(e.codici_ripetizione) + " codici, da " +
        std::to_string(e.ripetizione_inizio) + " a " + std::to_string(e.ripetizione_fine) + " m";
    return "<rect class=\"ripetizione\" x=\"" + num(da) + "\" y=\"" + num(p.y) + "\" width=\"" +
           num(std::max(a - da, 1.0)) + "\" height=\"" + num(p.altezza) + "\"/>" +
           testo_svg(da + 4, p.y + 14, testo, "class=\"testo-ripetizione\"") + "\n";
}

// Stations: a line through every panel and the name slanted above; signals: short ticks.
std::string riferimenti(const elementi_linea& e, const pannello& p, double y_nomi, double fondo) {
    std::string s;
    for (const stazione_linea& st : e.stazioni) {
        const double x = p.sx(st.posizione);
        s += linea(x, y_nomi, x, fondo, "tacca-stazione");
        // Names near the right edge slant back over the chart so that they stay on the page.
        const bool a_destra = x > p.x + p.larghezza * 0.7;
        const std::string rotazione = a_destra ? "rotate(30 " : "rotate(-30 ";
        s += testo_svg(x + 2, y_nomi - 2, st.nome,
                       std::string("class=\"nome-stazione\"") +
                           (a_destra ? " text-anchor=\"end\"" : "") + " transform=\"" + rotazione +
                           num(x + 2) + " " + num(y_nomi - 2) + ")\"");
    }
    for (const oggetto_linea& o : e.oggetti) {
        if (o.genere != genere_oggetto::segnale) continue;
        const double x = p.sx(o.metro);
        s += linea(x, p.y, x, p.y + altezza_segnali, "tacca-segnale");
        s += uso_simbolo(id_simbolo(o.genere), x, p.y + altezza_segnali / 2);
    }
    return s + "\n";
}

std::string asse_km(const pannello& p) {
    const double km = p.metri / 1000;
    double passo = 1;
    for (const double candidato : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
        passo = candidato;
        if (km / candidato <= 20) break;
    }
    std::string s = linea(p.x, p.y, p.x + p.larghezza, p.y, "asse");
    for (double k = 0; k <= km + 1e-9; k += passo) {
        const double x = p.sx(k * 1000);
        s += linea(x, p.y, x, p.y + 5, "asse");
        s += testo_svg(x, p.y + 17, num(k), "text-anchor=\"middle\" class=\"asse\"");
    }
    return s + testo_svg(p.x + p.larghezza, p.y + 29, "km", "text-anchor=\"end\" class=\"asse\"") +
           "\n";
}

}  // namespace

frammento_svg grafico_striscia(const elementi_linea& e, double x, double y, double larghezza) {
    const double metri = std::max(1, e.lunghezza);
    auto banda = [&](double y0, double h) { return pannello{x, y0, larghezza, h, metri, 0, 1}; };
    double cursore = y + fascia_nomi;
    const pannello segnali = banda(cursore, altezza_segnali);
    cursore += altezza_segnali + spazio;
    const pannello velocita = banda(cursore, altezza_velocita);
    cursore += altezza_velocita + spazio + 10;
    const pannello pendenza = banda(cursore, altezza_pendenza);
    cursore += altezza_pendenza + spazio;
    const pannello ripetizione = banda(cursore, altezza_ripetizione);
    cursore += altezza_ripetizione;
    frammento_svg f;
    f.testo = "<g class=\"striscia\">\n" + pannello_velocita(e, velocita) +
              pannello_pendenza(e, pendenza) + fascia_ripetizione(e, ripetizione) +
              riferimenti(e, segnali, y + fascia_nomi, cursore) +
              asse_km(banda(cursore, altezza_asse)) + "</g>\n";
    f.altezza = cursore + altezza_asse - y;
    return f;
}
