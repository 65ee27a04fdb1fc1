#include "scenario_lungo.h"

#include <cstdint>
#include <string>

// Every feature sits at a fixed offset inside a 500 m slot (10 cells), so that the objects
// of different kinds, and the reductions the code pass adds, keep to their own cells:
//   cell residue 2: speed boards      (3000 k + 50)
//   cell residue 3: slowdown start and end, 1000 m long (20000 k + 10100)
//   cell residue 5: reductions in front of signals (4 when taken)
//   cell residue 6: signals           (1500 k + 250)
//   cell residue 8: station stop marks (14000 k + 250, kind 2, 400 m)
//   cell residue 9: slowdown warning boards (1200 m before the start)
// Curves and gradients change only the profile and the gradient bytes.
namespace {

constexpr std::int32_t lunghezza = 1000000;

void riga(std::string& testo, const std::string& contenuto) {
    testo += contenuto;
    testo += "\r\n";
}

std::string n(std::int64_t v) {
    return std::to_string(v);
}

void curve(std::string& t) {
    riga(t, "[curve]");
    for (std::int32_t k = 0; 2000 * k + 1300 <= lunghezza; ++k) {
        const char lato = k % 2 == 0 ? 's' : 'd';
        riga(t, std::string("curva") + lato + n(1 + k % 6) + ", " + n(2000 * k + 500) + ", 800");
    }
}

void pendenze(std::string& t) {
    riga(t, "[pendenze]");
    for (std::int32_t k = 1; 1000 * k <= lunghezza; ++k) {
        riga(t, "pendenza, " + n(1000 * k) + ", " + n(k % 11 - 5));
    }
}

void indicatori(std::string& t) {
    riga(t, "[cartelli]");
    for (std::int32_t k = 0; 3000 * k + 50 <= lunghezza; ++k) {
        const std::string v = n(60 + 10 * (k % 7));
        riga(t, "indicatori_vmax, " + n(3000 * k + 50) + ", " + v + ", " + v + ", " + v + ", 0, " +
                    v + ", " + v + ", " + v + ", 0");
    }
}

void stazioni(std::string& t) {
    riga(t, "[stazioni]");
    for (std::int32_t k = 0; 14000 * k + 250 <= lunghezza; ++k) {
        riga(t, "stazione, " + n(14000 * k + 250) +
                    ", 2, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 6, 20, 54, STAZIONE " + n(k + 1));
    }
}

void rallentamenti(std::string& t) {
    riga(t, "[rallentamenti]");
    for (std::int32_t k = 0; 20000 * k + 11100 <= lunghezza; ++k) {
        riga(t, "rallentamento, " + n(20000 * k + 10100) + ", " + n(30 + 10 * (k % 8)) +
                    ", 1000, 0, 0, 0");
    }
}

void segnali(std::string& t) {
    riga(t, "[segnali]");
    for (std::int32_t k = 1; 1500 * k + 250 <= lunghezza; ++k) {
        riga(t, "segnale, " + n(1500 * k + 250) + ", 2, 4, 0, 0, 0, 2, 2, 0, 0, 0");
    }
}

}  // namespace

std::string testo_linea_lunga() {
    std::string t;
    riga(t, "[generale]");
    riga(t, "lunghezza percorso, " + n(lunghezza));
    riga(t, "progressiva chilometrica uno, 0, 0, 0");
    riga(t, "progressiva chilometrica due, 0, 0, 0");
    riga(t, "progressiva chilometrica tre, 0, 0, 0");
    riga(t, "sfondo uno, 1");
    riga(t, "sfondo due, 0");
    riga(t, "sfondo tre, 0");
    riga(t, "ripetizione segnali 9 codici, 0, " + n(lunghezza));
    curve(t);
    pendenze(t);
    riga(t, "[montagne]");
    indicatori(t);
    riga(t, "[indicazioni]");
    riga(t, "[fine]");
    return t;
}

std::string testo_treno_lungo() {
    std::string t;
    riga(t, "[generale]");
    riga(t, "numero vetture, 8");
    riga(t, "percentuale massa frenata, 100");
    riga(t, "sabbia, 0");
    riga(t, "orologio, 6 20 54");
    riga(t, "[aderenze]");
    riga(t, "aderenza, 0, 100");
    riga(t, "[vel_limite]");
    riga(t, "velocita, 0, 150");
    stazioni(t);
    rallentamenti(t);
    segnali(t);
    riga(t, "[codici]");
    riga(t, "[fine]");
    return t;
}
