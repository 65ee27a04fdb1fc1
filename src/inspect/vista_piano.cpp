#include "inspect/vista_piano.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "inspect/simboli_svg.h"
#include "inspect/testo_escape.h"

namespace {

constexpr double margine_x = 150;  // room for labels beside the line
constexpr double margine_y = 40;
constexpr double altezza_scala = 36;
constexpr std::size_t punti_massimi = 4000;

struct punto {
    double x = 0;
    double y = 0;
};

bool pieno(const profilo& p, std::int64_t m) {
    return p.tipo(m, 0) != tipo_elemento::vuoto && p.tipo(m, 1) != tipo_elemento::vuoto;
}

// Plane coordinates of the line: column 0 to the right, column 1 upwards.
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

class proiezione {
  public:
    proiezione(const std::vector<punto>& punti, double x, double y, double larghezza,
               double altezza_massima) {
        double min_x = punti.front().x, max_x = min_x, min_y = punti.front().y, max_y = min_y;
        for (const punto& q : punti) {
            min_x = std::min(min_x, q.x);
            max_x = std::max(max_x, q.x);
            min_y = std::min(min_y, q.y);
            max_y = std::max(max_y, q.y);
        }
        const double dx = std::max(max_x - min_x, 1.0);
        const double dy = std::max(max_y - min_y, 1.0);
        const double utile_x = larghezza - 2 * margine_x;
        const double utile_y = altezza_massima - 2 * margine_y - altezza_scala;
        scala_ = std::min(utile_x / dx, utile_y / dy);
        origine_x_ = x + margine_x + (utile_x - dx * scala_) / 2 - min_x * scala_;
        origine_y_ = y + margine_y + max_y * scala_;
        altezza_ = dy * scala_ + 2 * margine_y + altezza_scala;
    }

    punto schermo(punto q) const { return {origine_x_ + q.x * scala_, origine_y_ - q.y * scala_}; }
    double scala() const { return scala_; }
    double altezza() const { return altezza_; }

  private:
    double scala_ = 1;
    double origine_x_ = 0;
    double origine_y_ = 0;
    double altezza_ = 0;
};

std::string percorso_linea(const tracciato& t, const proiezione& pr) {
    const std::int64_t passo =
        std::max<std::int64_t>(1, t.ultimo() / static_cast<std::int64_t>(punti_massimi));
    std::string d;
    for (std::int64_t m = 0;; m = std::min(m + passo, t.ultimo())) {
        const punto s = pr.schermo(t.in(m));
        d += (d.empty() ? "M" : " L") + num(s.x) + "," + num(s.y);
        if (m == t.ultimo()) break;
    }
    return "<path class=\"linea\" d=\"" + d + "\"/>\n";
}

// Unit normal to the line at metre m on screen, to the left of the direction of travel
// for lato = 1 and to the right for lato = -1.
punto normale(const tracciato& t, const proiezione& pr, std::int64_t m, int lato) {
    const punto a = pr.schermo(t.in(m - 25));
    const punto b = pr.schermo(t.in(m + 25));
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double l = std::hypot(dx, dy);
    if (l == 0) return {0, -static_cast<double>(lato)};
    return {lato * dy / l, -lato * dx / l};
}

std::string etichetta(punto s, punto n, double distanza, std::string_view testo,
                      std::string_view classe) {
    const char* ancora = n.x > 0.35 ? "start" : (n.x < -0.35 ? "end" : "middle");
    const double x = s.x + n.x * distanza;
    const double y = s.y + n.y * distanza + (n.y > 0.35 ? 9 : (n.y < -0.35 ? 0 : 4));
    return "<line class=\"richiamo\" x1=\"" + num(s.x) + "\" y1=\"" + num(s.y) + "\" x2=\"" +
           num(s.x + n.x * (distanza - 3)) + "\" y2=\"" + num(s.y + n.y * (distanza - 3)) + "\"/>" +
           testo_svg(x, y, testo,
                     "class=\"" + std::string(classe) + "\" text-anchor=\"" + ancora + "\"");
}

std::string titolo(std::string_view testo) {
    return "<title>" + escape_xml(testo) + "</title>";
}

std::string stazioni(const elementi_linea& e, const tracciato& t, const proiezione& pr) {
    std::string s;
    int lato = 1;
    for (const stazione_linea& st : e.stazioni) {
        const punto q = pr.schermo(t.in(st.posizione));
        s += "<g class=\"stazione\">" +
             titolo(st.nome + " (" + std::to_string(st.posizione) + " m)") +
             etichetta(q, normale(t, pr, st.posizione, lato), 22, st.nome, "nome-stazione") +
             uso_simbolo(simbolo_stazione, q.x, q.y) + "</g>\n";
        lato = -lato;
    }
    return s;
}

std::string oggetti(const elementi_linea& e, const tracciato& t, const proiezione& pr) {
    std::string s;
    int lato_cartelli = -1;
    for (const oggetto_linea& o : e.oggetti) {
        const punto q = pr.schermo(t.in(o.metro));
        s += "<g>" + titolo(o.dettaglio + " (" + std::to_string(o.metro) + " m)");
        if (o.genere == genere_oggetto::cartello_indicatore) {
            s += etichetta(q, normale(t, pr, o.metro, lato_cartelli), 40, o.etichetta,
                           "testo-cartello");
            lato_cartelli = -lato_cartelli;
        } else if (!o.etichetta.empty()) {
            s += etichetta(q, normale(t, pr, o.metro, 1), 12, o.etichetta, "valore");
        }
        s += uso_simbolo(id_simbolo(o.genere), q.x, q.y) + "</g>\n";
    }
    return s;
}

// A bar of 1, 2 or 5 times a power of ten metres, about a fifth of the drawing wide.
std::string barra_scala(const proiezione& pr, double x, double y, double larghezza) {
    const double desiderata = larghezza / 5 / pr.scala();
    const double potenza = std::pow(10.0, std::floor(std::log10(desiderata)));
    double metri = potenza;
    for (const double f : {2.0, 5.0, 10.0}) {
        if (f * potenza <= desiderata) metri = f * potenza;
    }
    const double l = metri * pr.scala();
    const std::string testo = metri >= 1000 ? num(metri / 1000) + " km" : num(metri) + " m";
    return "<g class=\"scala\"><path d=\"M" + num(x) + "," + num(y - 6) + " V" + num(y) + " H" +
           num(x + l) + " V" + num(y - 6) + "\"/>" + testo_svg(x, y + 16, "0") +
           testo_svg(x + l, y + 16, testo, "text-anchor=\"middle\"") + "</g>\n";
}

}  // namespace

frammento_svg vista_piano(const elementi_linea& e, const profilo& p, double x, double y,
                          double larghezza, double altezza_massima) {
    const tracciato t(p, e.lunghezza);
    std::vector<punto> punti;
    const std::int64_t passo = std::max<std::int64_t>(1, t.ultimo() / 2000);
    for (std::int64_t m = 0; m <= t.ultimo(); m += passo) punti.push_back(t.in(m));
    punti.push_back(t.in(t.ultimo()));
    const proiezione pr(punti, x, y, larghezza, altezza_massima);
    frammento_svg f;
    f.altezza = pr.altezza();
    f.testo =
        "<g class=\"piano\">\n" + percorso_linea(t, pr) + oggetti(e, t, pr) + stazioni(e, t, pr) +
        barra_scala(pr, x + margine_x, y + f.altezza - altezza_scala / 2, larghezza) + "</g>\n";
    return f;
}
