#include "inspect/grafico_striscia.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "inspect/curvatura.h"
#include "inspect/simboli_svg.h"
#include "inspect/unita_misura.h"

namespace {

constexpr double riga_nomi = 15;
constexpr double altezza_segnali = 16;
constexpr double altezza_velocita = 120;
constexpr double altezza_pendenza = 70;
constexpr double altezza_curvatura = 60;
constexpr double altezza_ripetizione = 20;
constexpr double spazio = 20;  // room between panels for their values at the edges
constexpr double altezza_asse = 30;
constexpr double margine_unita = 120;  // room on the left for the values and the units
constexpr double distanza_unita = 34;

// Maps metres and values of one panel onto the page.
struct pannello {
    double x;
    double y;
    double larghezza;
    double altezza;
    double metri;
    double minimo;
    double massimo;

    double sx(double metro) const { return x + std::clamp(metro, 0.0, metri) / metri * larghezza; }
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
                    std::string_view classe, std::string_view unita) {
    std::string d;
    std::string titoli;
    for (const tratto_valore& t : tratti) {
        const std::string y = num(p.sy(t.valore));
        d += (d.empty() ? "M" : " L") + num(p.sx(t.da)) + "," + y + " L" + num(p.sx(t.a)) + "," + y;
    }
    for (const tratto_valore& t : tratti) {
        // An invisible band over each step, so that hovering tells its value and extent.
        titoli += "<rect class=\"sensibile\" x=\"" + num(p.sx(t.da)) + "\" y=\"" +
                  num(p.sy(t.valore) - 3) + "\" width=\"" +
                  num(std::max(p.sx(t.a) - p.sx(t.da), 1.0)) + "\" height=\"6\"><title>" +
                  std::to_string(t.valore) + " " + std::string(unita) + " da " + in_metri(t.da) +
                  " a " + in_metri(t.a) + "</title></rect>";
    }
    return "<path class=\"" + std::string(classe) + "\" d=\"" + d + "\"/>\n" + titoli + "\n";
}

// Horizontal grid lines with their values on the left and the unit beside those, outside the
// panel so that no station line crosses them.
std::string griglia(const pannello& p, double passo, std::string_view unita, impaginazione& testi) {
    std::string s;
    for (double v = p.minimo; v <= p.massimo + 1e-9; v += passo) {
        s += linea(p.x, p.sy(v), p.x + p.larghezza, p.sy(v), v == 0 ? "zero" : "griglia");
        s += testi.testo(p.x - 4, p.sy(v) + 4, num(v), carattere_asse, ancora::fine);
    }
    s += testi.testo(p.x - distanza_unita, p.y + p.altezza / 2 + 4, unita, carattere_asse,
                     ancora::fine);
    return s + "\n";
}

template <typename F>
int estremo(const std::vector<tratto_valore>& tratti, F scegli) {
    int v = 0;
    for (const tratto_valore& t : tratti) v = scegli(v, t.valore);
    return v;
}

// The slowdowns' speeds beside the dips of the speed in force.
std::string valori_rallentamenti(const elementi_linea& e, const pannello& p, impaginazione& testi) {
    std::string s;
    for (std::size_t i = 0; i < e.velocita_in_vigore.size(); ++i) {
        const tratto_valore& t = e.velocita_in_vigore[i];
        const bool sotto = i > 0 && e.velocita_in_vigore[i - 1].valore > t.valore;
        if (!sotto) continue;
        const double x = (p.sx(t.da) + p.sx(t.a)) / 2;
        for (double y = p.sy(t.valore) - 3; y > p.y + 8; y -= 11) {
            const std::string testo = in_kmh(t.valore);
            if (!testi.libero(riquadro_testo(x, y, testo, carattere_valore, ancora::centro)))
                continue;
            s += testi.testo(x, y, testo, carattere_valore, ancora::centro);
            break;
        }
    }
    return s;
}

std::string pannello_velocita(const elementi_linea& e, pannello p, impaginazione& testi) {
    const int massima = estremo(e.velocita, [](int a, int b) { return std::max(a, b); });
    p.minimo = 0;
    p.massimo = std::max(20.0, arrotonda_su(massima * 1.1, 20));
    const double passo = p.massimo > 100 ? 40 : 20;
    return cornice(p) + griglia(p, passo, "km/h", testi) +
           scalino(p, e.velocita, "velocita", "km/h") +
           scalino(p, e.velocita_in_vigore, "in-vigore", "km/h in vigore") +
           valori_rallentamenti(e, p, testi);
}

std::string pannello_pendenza(const elementi_linea& e, pannello p, impaginazione& testi) {
    const int massima = estremo(e.pendenze, [](int a, int b) { return std::max(a, std::abs(b)); });
    p.massimo = std::max(5.0, arrotonda_su(massima, 5));
    p.minimo = -p.massimo;
    return cornice(p) + griglia(p, p.massimo, "pendenza \u2030", testi) +
           scalino(p, e.pendenze, "pendenza", "\u2030");
}

std::string pannello_curvatura(const std::vector<campione_curvatura>& c, pannello p,
                               impaginazione& testi) {
    double massima = 0;
    for (const campione_curvatura& k : c) massima = std::max(massima, std::abs(k.per_km));
    p.massimo = std::max(0.5, arrotonda_su(massima, 0.5));
    p.minimo = -p.massimo;
    std::string d;
    for (const campione_curvatura& k : c)
        d += (d.empty() ? "M" : " L") + num(p.sx(k.metro)) + "," + num(p.sy(k.per_km));
    return cornice(p) + griglia(p, p.massimo, "curvatura 1/km", testi) +
           "<path class=\"curvatura\" d=\"" + d + "\"/>\n";
}

std::string fascia_ripetizione(const elementi_linea& e, const pannello& p, impaginazione& testi) {
    if (e.ripetizione_fine <= 0)
        return testi.testo(p.x + 4, p.y + 14, "nessuna ripetizione segnali in cabina",
                           carattere_asse);
    const double da = p.sx(e.ripetizione_inizio);
    const double a = p.sx(e.ripetizione_fine);
    const std::string testo =
        "ripetizione segnali in cabina, " + std::to_string(e.codici_ripetizione) + " codici, da " +
        std::to_string(e.ripetizione_inizio) + " a " + std::to_string(e.ripetizione_fine) + " m";
    const carattere c{"testo-ripetizione", 11, false};
    return "<rect class=\"ripetizione\" x=\"" + num(da) + "\" y=\"" + num(p.y) + "\" width=\"" +
           num(std::max(a - da, 1.0)) + "\" height=\"" + num(p.altezza) + "\"/>" +
           testi.testo(da + 4, p.y + 14, testo, c) + "\n";
}

// Station names in rows above the chart: each in the lowest row where neither its text
// nor its line down to the chart meets another name.
struct nome_in_riga {
    double x;
    int riga;
};

std::vector<nome_in_riga> righe_dei_nomi(const elementi_linea& e, const pannello& p) {
    std::vector<nome_in_riga> posti;
    impaginazione prova;
    std::vector<riquadro> linee;
    for (const stazione_linea& st : e.stazioni) {
        const double x = p.sx(st.posizione);
        for (int r = 0;; ++r) {
            const double y = -r * riga_nomi;
            riquadro testo = riquadro_testo(x, y, st.nome, carattere_stazione, ancora::centro);
            const double scarto =
                std::max(0.0, p.x - testo.x0) - std::max(0.0, testo.x1 - (p.x + p.larghezza));
            testo.x0 += scarto;
            testo.x1 += scarto;
            const riquadro giu{x - 1, y + 4, x + 1, riga_nomi};
            bool libero = prova.libero(testo);
            for (const riquadro& l : linee) libero = libero && !l.interseca(testo);
            for (const riquadro& t : prova.testi()) libero = libero && !t.interseca(giu);
            if (!libero && r < 30) continue;
            prova.testo(testo.x0, y, st.nome, carattere_stazione);
            linee.push_back(giu);
            posti.push_back({testo.x0, r});
            break;
        }
    }
    return posti;
}

std::string riferimenti(const elementi_linea& e, const pannello& p,
                        const std::vector<nome_in_riga>& posti, double fondo_nomi, double fondo,
                        impaginazione& testi) {
    std::string s;
    for (std::size_t i = 0; i < e.stazioni.size(); ++i) {
        const stazione_linea& st = e.stazioni[i];
        const double x = p.sx(st.posizione);
        const double y = fondo_nomi - posti[i].riga * riga_nomi;
        testi.occupa({x - 1, y + 4, x + 1, fondo});
        s += "<g><title>" + st.nome + ": " + in_metri(st.posizione) + ", orario " +
             in_ore(st.orario) + "</title>" + linea(x, y + 4, x, fondo, "tacca-stazione") +
             testi.testo(posti[i].x, y, st.nome, carattere_stazione) + "</g>";
    }
    for (const oggetto_linea& o : e.oggetti) {
        if (o.genere != genere_oggetto::segnale) continue;
        const double x = p.sx(o.metro);
        s += linea(x, p.y, x, p.y + altezza_segnali, "tacca-segnale");
        s += uso_simbolo(id_simbolo(o.genere), x, p.y + altezza_segnali / 2);
    }
    return s + "\n";
}

std::string asse_km(const pannello& p, impaginazione& testi) {
    const double km = p.metri / 1000;
    double passo = 1;
    for (const double candidato : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
        passo = candidato;
        if (km / candidato <= 20) break;
    }
    std::string s = linea(p.x, p.y, p.x + p.larghezza, p.y, "asse-linea");
    for (double k = 0; k <= km + 1e-9; k += passo) {
        const double x = p.sx(k * 1000);
        s += linea(x, p.y, x, p.y + 5, "asse-linea");
        s += testi.testo(x, p.y + 17, num(k), carattere_asse, ancora::centro);
    }
    return s + testi.testo(p.x + p.larghezza + 14, p.y + 17, "km", carattere_asse) + "\n";
}

}  // namespace

frammento_svg grafico_striscia(const elementi_linea& e, const profilo* p, double x, double y,
                               double larghezza, impaginazione& testi) {
    const double metri = std::max(1, e.lunghezza);
    x += margine_unita;
    larghezza -= margine_unita;
    auto banda = [&](double y0, double h) { return pannello{x, y0, larghezza, h, metri, 0, 1}; };
    const std::vector<nome_in_riga> posti = righe_dei_nomi(e, banda(0, 0));
    int righe = 0;
    for (const nome_in_riga& n : posti) righe = std::max(righe, n.riga + 1);
    const double fondo_nomi = y + righe * riga_nomi + 4;
    double cursore = fondo_nomi + 4;
    const pannello segnali = banda(cursore, altezza_segnali);
    cursore += altezza_segnali + spazio;
    const pannello velocita = banda(cursore, altezza_velocita);
    cursore += altezza_velocita + spazio;
    const pannello pendenza = banda(cursore, altezza_pendenza);
    cursore += altezza_pendenza + spazio;
    const std::vector<campione_curvatura> curve =
        p != nullptr ? curvature(*p, e.lunghezza) : std::vector<campione_curvatura>{};
    std::string curvatura;
    if (!curve.empty()) {
        curvatura = pannello_curvatura(curve, banda(cursore, altezza_curvatura), testi);
        cursore += altezza_curvatura + 8;
    }
    // The station lines end above the repetition band, whose text runs across the line.
    const double fondo_linee = cursore;
    const pannello ripetizione = banda(cursore, altezza_ripetizione);
    cursore += altezza_ripetizione;
    frammento_svg f;
    // The names first: the panels' own texts then keep clear of them.
    const std::string nomi = riferimenti(e, segnali, posti, fondo_nomi, fondo_linee, testi);
    const std::string v = pannello_velocita(e, velocita, testi);
    const std::string g = pannello_pendenza(e, pendenza, testi);
    const std::string r = fascia_ripetizione(e, ripetizione, testi);
    const std::string a = asse_km(banda(cursore, altezza_asse), testi);
    f.testo = "<g class=\"striscia\">\n" + v + g + curvatura + r + nomi + a + "</g>\n";
    f.altezza = cursore + altezza_asse - y;
    return f;
}
