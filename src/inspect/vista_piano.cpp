#include "inspect/vista_piano.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "inspect/simboli_svg.h"
#include "inspect/testo_escape.h"
#include "inspect/unita_misura.h"

namespace {

constexpr double margine_x = 30;
constexpr double margine_y = 70;  // room for labels above and below the line
constexpr double altezza_scala = 36;
constexpr std::size_t punti_massimi = 4000;

struct punto {
    double x = 0;
    double y = 0;
};

bool pieno(const profilo& p, std::int64_t m) {
    return p.tipo(m, 0) != tipo_elemento::vuoto && p.tipo(m, 1) != tipo_elemento::vuoto;
}

// Plane coordinates of the line: column 0 to the east, column 1 to the north.
class tracciato {
  public:
    tracciato(const profilo& p, std::int32_t lunghezza) : p_(p) {
        ultimo_ = std::min<std::int64_t>(lunghezza, p.ultimo_metro());
        while (ultimo_ > 0 && !pieno(p, ultimo_)) --ultimo_;
    }

    std::int64_t ultimo() const { return ultimo_; }

    // The nearest filled metre at or before `m` within the line.
    punto in(std::int64_t m) const {
        m = std::clamp<std::int64_t>(m, 0, ultimo_);
        while (m > 0 && !pieno(p_, m)) --m;
        if (!pieno(p_, m)) return {};
        return {p_.valore(m, 0), p_.valore(m, 1)};
    }

  private:
    const profilo& p_;
    std::int64_t ultimo_ = 0;
};

// The angle of the line's main direction: the axis along which its points spread most,
// pointing from its start towards its end.
double direzione_principale(const std::vector<punto>& punti) {
    double mx = 0, my = 0;
    for (const punto& q : punti) {
        mx += q.x;
        my += q.y;
    }
    mx /= static_cast<double>(punti.size());
    my /= static_cast<double>(punti.size());
    double sxx = 0, syy = 0, sxy = 0;
    for (const punto& q : punti) {
        sxx += (q.x - mx) * (q.x - mx);
        syy += (q.y - my) * (q.y - my);
        sxy += (q.x - mx) * (q.y - my);
    }
    double angolo = 0.5 * std::atan2(2 * sxy, sxx - syy);
    const punto corda{punti.back().x - punti.front().x, punti.back().y - punti.front().y};
    if (corda.x * std::cos(angolo) + corda.y * std::sin(angolo) < 0) angolo += std::numbers::pi;
    return angolo;
}

// Turns the plane by -angolo, so that the main direction runs to the right, and fits it.
class proiezione {
  public:
    proiezione(const std::vector<punto>& punti, double angolo, double x, double y, double larghezza,
               double altezza_massima)
        : c_(std::cos(angolo)), s_(std::sin(angolo)) {
        bordo_ = {x, y, x + larghezza, y + altezza_massima};
        punto min = ruota(punti.front()), max = min;
        for (const punto& q : punti) {
            const punto r = ruota(q);
            min = {std::min(min.x, r.x), std::min(min.y, r.y)};
            max = {std::max(max.x, r.x), std::max(max.y, r.y)};
        }
        const double dx = std::max(max.x - min.x, 1.0);
        const double dy = std::max(max.y - min.y, 1.0);
        const double utile_x = larghezza - 2 * margine_x;
        const double utile_y = altezza_massima - 2 * margine_y - altezza_scala;
        scala_ = std::min(utile_x / dx, utile_y / dy);
        origine_x_ = x + margine_x + (utile_x - dx * scala_) / 2 - min.x * scala_;
        origine_y_ = y + margine_y + max.y * scala_;
        altezza_ = dy * scala_ + 2 * margine_y + altezza_scala;
        bordo_.y1 = y + altezza_;
    }

    punto schermo(punto q) const {
        const punto r = ruota(q);
        return {origine_x_ + r.x * scala_, origine_y_ - r.y * scala_};
    }
    // Where north points on the page, as a unit vector.
    punto nord() const { return {s_, -c_}; }
    double scala() const { return scala_; }
    double altezza() const { return altezza_; }
    // The view's edges, which labels stay within.
    const riquadro& bordo() const { return bordo_; }

  private:
    punto ruota(punto q) const { return {c_ * q.x + s_ * q.y, -s_ * q.x + c_ * q.y}; }

    double c_;
    double s_;
    double scala_ = 1;
    double origine_x_ = 0;
    double origine_y_ = 0;
    double altezza_ = 0;
    riquadro bordo_;
};

std::string percorso_linea(const tracciato& t, const proiezione& pr, double& da, double& a) {
    const std::int64_t passo =
        std::max<std::int64_t>(1, t.ultimo() / static_cast<std::int64_t>(punti_massimi));
    std::string d;
    da = 1e300;
    a = -1e300;
    for (std::int64_t m = 0;; m = std::min(m + passo, t.ultimo())) {
        const punto s = pr.schermo(t.in(m));
        da = std::min(da, s.x);
        a = std::max(a, s.x);
        d += (d.empty() ? "M" : " L") + num(s.x) + "," + num(s.y);
        if (m == t.ultimo()) break;
    }
    return "<path class=\"linea\" d=\"" + d + "\"/>\n";
}

// Unit normal to the line at metre m on the page, to the left of the direction of travel
// for lato = 1 and to the right for lato = -1.
punto normale(const tracciato& t, const proiezione& pr, std::int64_t m, int lato) {
    const punto a = pr.schermo(t.in(m - 25));
    const punto b = pr.schermo(t.in(m + 25));
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double l = std::hypot(dx, dy);
    if (l == 0) return {0, -static_cast<double>(lato)};
    return {lato * dy / l, -lato * dx / l};
}

// Small boxes along a leader line, so that no text is put across it.
std::vector<riquadro> lungo(punto da, punto a) {
    const double l = std::hypot(a.x - da.x, a.y - da.y);
    const int passi = std::max(1, static_cast<int>(l / 3));
    std::vector<riquadro> scatole;
    // The first few pixels lie under the symbol itself.
    for (int i = 2; i <= passi; ++i) {
        const double t = static_cast<double>(i) / passi;
        const punto q{da.x + (a.x - da.x) * t, da.y + (a.y - da.y) * t};
        scatole.push_back({q.x - 0.5, q.y - 0.5, q.x + 0.5, q.y + 0.5});
    }
    return scatole;
}

// One place a label may take: its text's box and its leader line from the symbol.
struct posto_etichetta {
    double x = 0;
    double y = 0;
    ancora a = ancora::inizio;
    riquadro scatola;
    punto da;
    punto fine;
    std::vector<riquadro> richiamo;
};

// The place at distance d from the symbol along the normal n, slid inwards near the view's
// ends rather than off the page.
posto_etichetta posto(const proiezione& pr, punto s, punto n, double d, std::string_view testo,
                      const carattere& c) {
    posto_etichetta p;
    p.a = n.x > 0.35 ? ancora::inizio : (n.x < -0.35 ? ancora::fine : ancora::centro);
    p.y = s.y + n.y * d + (n.y > 0.35 ? c.dimensione * 0.8 : (n.y < -0.35 ? 0 : 4));
    p.x = s.x + n.x * d;
    const riquadro fuori = riquadro_testo(p.x, p.y, testo, c, p.a);
    p.x += std::max(0.0, pr.bordo().x0 - fuori.x0) - std::max(0.0, fuori.x1 - pr.bordo().x1);
    p.scatola = riquadro_testo(p.x, p.y, testo, c, p.a);
    p.da = s;
    p.fine = {s.x + n.x * (d - 5), s.y + n.y * (d - 5)};
    p.richiamo = lungo(p.da, p.fine);
    return p;
}

// A label beside its symbol, on the preferred side first and then on the other, ever farther
// out until its box is clear of every text and leader line already there, and its own
// leader crosses no text; where the line is too crowded for that, a leader may cross a text.
std::string etichetta(impaginazione& testi, const tracciato& t, const proiezione& pr,
                      std::int64_t metro, int lato, double distanza, std::string_view testo,
                      const carattere& c) {
    constexpr int tentativi = 40;
    const punto s = pr.schermo(t.in(metro));
    for (int tentativo = 0;; ++tentativo) {
        const bool severo = tentativo < tentativi;
        const int k = tentativo % tentativi;
        const punto n = normale(t, pr, metro, k % 2 == 0 ? lato : -lato);
        const posto_etichetta p = posto(pr, s, n, distanza + 12.0 * (k / 2), testo, c);
        const bool dentro = p.scatola.y0 >= pr.bordo().y0 && p.scatola.y1 <= pr.bordo().y1;
        const bool richiamo_libero = std::all_of(
            p.richiamo.begin(), p.richiamo.end(),
            [&](const riquadro& q) { return testi.senza_testi(q) && !q.interseca(p.scatola); });
        const bool ultimo = tentativo == 2 * tentativi - 1;
        if (!ultimo && !(dentro && testi.libero(p.scatola) && (richiamo_libero || !severo)))
            continue;
        if (richiamo_libero) {
            for (const riquadro& q : p.richiamo) testi.occupa(q);
        }
        return "<line class=\"richiamo\" x1=\"" + num(p.da.x) + "\" y1=\"" + num(p.da.y) +
               "\" x2=\"" + num(p.fine.x) + "\" y2=\"" + num(p.fine.y) + "\"/>" +
               testi.testo(p.x, p.y, testo, c, p.a);
    }
}

std::string titolo(std::string_view testo) {
    return "<title>" + escape_xml(testo) + "</title>";
}

std::string stazioni(const elementi_linea& e, const tracciato& t, const proiezione& pr,
                     impaginazione& testi) {
    std::string s;
    int lato = 1;
    for (const stazione_linea& st : e.stazioni) {
        const punto q = pr.schermo(t.in(st.posizione));
        s += "<g class=\"stazione\">" +
             titolo(st.nome + ": " + in_metri(st.posizione) + ", zona di fermata da " +
                    in_metri(st.inizio) + " a " + in_metri(st.fine) + ", orario " +
                    in_ore(st.orario)) +
             etichetta(testi, t, pr, st.posizione, lato, 18, st.nome, carattere_stazione) +
             uso_simbolo(simbolo_stazione, q.x, q.y) + "</g>\n";
        lato = -lato;
    }
    return s;
}

std::string oggetti(const elementi_linea& e, const tracciato& t, const proiezione& pr,
                    impaginazione& testi) {
    std::string s;
    int lato_cartelli = -1;
    for (const oggetto_linea& o : e.oggetti) {
        const punto q = pr.schermo(t.in(o.metro));
        s += "<g>" + titolo(std::string(nome_genere(o.genere)) + " a " + o.dettaglio);
        if (o.genere == genere_oggetto::cartello_indicatore) {
            s += etichetta(testi, t, pr, o.metro, lato_cartelli, 30, o.etichetta,
                           carattere_cartello);
            lato_cartelli = -lato_cartelli;
        } else if (!o.etichetta.empty()) {
            s += etichetta(testi, t, pr, o.metro, 1, 10, o.etichetta, carattere_valore);
        }
        s += uso_simbolo(id_simbolo(o.genere), q.x, q.y) + "</g>\n";
    }
    return s;
}

// A bar of 1, 2 or 5 times a power of ten metres, about a fifth of the drawing wide.
std::string barra_scala(const proiezione& pr, double x, double y, double larghezza,
                        impaginazione& testi) {
    const double desiderata = larghezza / 5 / pr.scala();
    const double potenza = std::pow(10.0, std::floor(std::log10(desiderata)));
    double metri = potenza;
    for (const double f : {2.0, 5.0, 10.0}) {
        if (f * potenza <= desiderata) metri = f * potenza;
    }
    const double l = metri * pr.scala();
    const std::string testo = metri >= 1000 ? num(metri / 1000) + " km" : num(metri) + " m";
    return "<g class=\"scala\"><path d=\"M" + num(x) + "," + num(y - 6) + " V" + num(y) + " H" +
           num(x + l) + " V" + num(y - 6) + "\"/>" +
           testi.testo(x, y + 16, "0", carattere_normale, ancora::centro) +
           testi.testo(x + l, y + 16, testo, carattere_normale, ancora::centro) + "</g>\n";
}

// An arrow to the north and, when the drawing is turned, by how much.
std::string rosa_nord(const proiezione& pr, double x, double y, impaginazione& testi) {
    const punto n = pr.nord();
    constexpr double l = 16;
    const double gradi = std::atan2(n.x, -n.y) * 180 / std::numbers::pi;
    std::string s = "<g class=\"nord\"><line x1=\"" + num(x - n.x * l) + "\" y1=\"" +
                    num(y - n.y * l) + "\" x2=\"" + num(x + n.x * l) + "\" y2=\"" +
                    num(y + n.y * l) + "\"/><circle cx=\"" + num(x + n.x * l) + "\" cy=\"" +
                    num(y + n.y * l) + "\" r=\"3\"/></g>";
    s += testi.testo(x + n.x * (l + 11), y + n.y * (l + 11) + 4, "N", carattere_stazione,
                     ancora::centro);
    const long ruotato = std::lround(gradi);
    const std::string nota = ruotato == 0 ? "nord in alto"
                                          : "disegno ruotato: nord a " + std::to_string(ruotato) +
                                                "\u00b0 in senso orario, dove punta la freccia";
    return s + testi.testo(x - l - 26, y + 4, nota, carattere_asse, ancora::fine) + "\n";
}

}  // namespace

piano_disegnato vista_piano(const elementi_linea& e, const profilo& p, double x, double y,
                            double larghezza, double altezza_massima, impaginazione& testi) {
    const tracciato t(p, e.lunghezza);
    std::vector<punto> punti;
    const std::int64_t passo = std::max<std::int64_t>(1, t.ultimo() / 2000);
    for (std::int64_t m = 0; m <= t.ultimo(); m += passo) punti.push_back(t.in(m));
    punti.push_back(t.in(t.ultimo()));
    const proiezione pr(punti, direzione_principale(punti), x, y, larghezza, altezza_massima);
    piano_disegnato d;
    d.altezza = pr.altezza();
    const std::string linea = percorso_linea(t, pr, d.linea_da, d.linea_a);
    // Fixed texts first, so that the labels find them taken.
    const std::string scala =
        barra_scala(pr, x + margine_x, y + d.altezza - altezza_scala / 2, larghezza, testi);
    const std::string nord = rosa_nord(pr, x + larghezza - 24, y + 40, testi);
    const std::string nomi = stazioni(e, t, pr, testi);
    const std::string simboli = oggetti(e, t, pr, testi);
    d.testo = "<g class=\"piano\">\n" + linea + simboli + nomi + scala + nord + "</g>\n";
    return d;
}
