#include "inspect/etichette_celle.h"

#include <array>
#include <string>

#include "inspect/nome_oggetto.h"
#include "inspect/unita_misura.h"

namespace {

constexpr std::size_t cella_intestazione = 1;
constexpr std::int64_t metri_cella = 50;

// A signal keeps s_k * 10 + d_k in its first three values, rapp * 10 + sx * 3 + dx in its
// fourth.
std::string di_segnale(int k, std::int16_t v) {
    const std::string n = std::to_string(k);
    if (k < 4)
        return "s" + n + "=" + std::to_string(v / 10) + " d" + n + "=" + std::to_string(v % 10);
    return "rapp=" + std::to_string(v / 10) + " sx=" + std::to_string(v % 10 / 3) +
           " dx=" + std::to_string(v % 10 % 3);
}

// A speed board keeps a left speed * 20 + a right speed / 5 in each of its first three
// values, the stripes left * 10 + right in its fourth.
std::string di_indicatore(int k, std::int16_t v) {
    if (k == 4) return "strisces=" + std::to_string(v / 10) + " strisced=" + std::to_string(v % 10);
    const std::string lettera(1, static_cast<char>('a' + k - 1));
    return "v" + lettera + "s=" + std::to_string(v / 100 * 5) + " v" + lettera +
           "d=" + std::to_string(v % 100 * 5) + " km/h";
}

// A slowdown board: the speed, d_v, and on the start and end boards f_tt.
std::string di_rallentamento(const cella& c, int k, std::int16_t v) {
    const int usati = c.tipo == tipo_cella::avviso_rallentamento ? 2 : 3;
    if (k > usati) return "";
    return k == 1 ? in_kmh(v) : k == 2 ? "d_v" : "f_tt";
}

// What value k (1 to 4) of an object holds, in words, for the stored value v; empty when
// the object does not use it.
std::string significato(const cella& c, int k, std::int16_t v) {
    namespace t = tipo_cella;
    switch (c.tipo) {
        case t::segnale:
            return di_segnale(k, v);
        case t::fine_rallentamento:
        case t::inizio_rallentamento:
        case t::avviso_rallentamento:
            return di_rallentamento(c, k, v);
        case t::preavviso_rallentamento:
            return k <= 2 ? "cella " + std::to_string(v) + " prima dell'avviso" : "";
        case t::indicatore_vmax:
            return di_indicatore(k, v);
        case t::fermata_stazione:
        case t::cartello_indicatore:
            return k == 1 ? "riga " + std::to_string(v) : "";
        case t::abbattimento:
            return k == 1 ? "codice" : "";
        default:
            return "";
    }
}

std::string con_significato(std::int64_t v, const std::string& s) {
    return s.empty() ? std::to_string(v) : std::to_string(v) + " (" + s + ")";
}

void valori_oggetto(record_dump& d, const cella& c, std::size_t indice) {
    const std::array<std::int16_t, 4> v{c.valore_1, c.valore_2, c.valore_3, c.valore_4};
    const char* nomi[] = {"valore_1", "valore_2", "valore_3", "valore_4"};
    for (int k = 1; k <= 4; ++k) {
        const std::int16_t x = v[static_cast<std::size_t>(k - 1)];
        std::string s = significato(c, k, x);
        if (indice == cella_intestazione && k <= 2)
            s = k == 1 ? "marcatore" : "codice di controllo";
        if (s.empty() && x == 0) continue;
        d.solo_testo(nomi[k - 1], con_significato(x, s));
    }
}

}  // namespace

std::int64_t metro_della_cella(std::size_t indice) {
    return static_cast<std::int64_t>(indice) * metri_cella;
}

record_dump etichette_cella(const cella& c, std::size_t indice) {
    record_dump d;
    if (indice == cella_intestazione) d.solo_testo("", "intestazione");
    if (c.tipo != tipo_cella::nessuno) d.solo_testo("", std::string(nome_oggetto(c.tipo)));
    valori_oggetto(d, c, indice);
    if (c.tempo != 0 || c.tipo == tipo_cella::segnale) d.intero("tempo", c.tempo);
    if (c.preavviso != 0) d.intero("preavviso", c.preavviso);
    if (c.montagna != 0) d.intero("montagna", c.montagna);
    d.solo_testo("vel_limite", con_significato(c.vel_limite, in_kmh(kmh_di(c.vel_limite))));
    d.solo_testo("pendenza", con_significato(c.pendenza, in_permille(permille_di(c.pendenza))));
    d.intero("aderenza", c.aderenza);
    return d;
}

void unita_cella(record_dump& json, const cella& c, std::size_t indice) {
    json.solo_json("inizio_m", metro_della_cella(indice))
        .solo_json("vel_limite_kmh", kmh_di(c.vel_limite))
        .solo_json("pendenza_permille", permille_di(c.pendenza));
}

bool cella_da_mostrare(const cella& c, const cella* precedente, std::size_t indice) {
    if (precedente == nullptr || indice == cella_intestazione) return true;
    cella solo_binario;
    solo_binario.vel_limite = c.vel_limite;
    solo_binario.pendenza = c.pendenza;
    solo_binario.aderenza = c.aderenza;
    return !(c == solo_binario) || c.vel_limite != precedente->vel_limite ||
           c.pendenza != precedente->pendenza || c.aderenza != precedente->aderenza;
}
