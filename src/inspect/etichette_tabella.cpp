#include "inspect/etichette_tabella.h"

#include <set>
#include <string>

#include "inspect/unita_misura.h"
#include "output/descrizione_record.h"
#include "source_text/codifica_1252.h"

namespace {

constexpr int ultima_riga_cartelli = 80;

enum class formato { numero, metri, percento, ore, testo, orologio };

// One labelled field: what it holds, the stored field it comes from, how it reads.
struct voce {
    std::string_view etichetta;
    std::string_view campo;
    formato f;
};

// A station in the order of its "stazione" line; its length is not stored, the zone it
// gives is. The values without a use in the compiler keep their place in the line.
const std::vector<voce> voci_stazione{
    {"posizione", "posizione", formato::metri}, {"tipo", "tipo", formato::numero},
    {"inizio_zona", "inizio", formato::metri},  {"fine_zona", "fine", formato::metri},
    {"quarto", "dato_4", formato::numero},      {"quinto", "dato_5", formato::numero},
    {"sesto", "dato_6", formato::numero},       {"settimo", "dato_7", formato::numero},
    {"ottavo", "dato_8", formato::numero},      {"nono", "dato_9", formato::numero},
    {"decimo", "dato_10", formato::numero},     {"undicesimo", "dato_11", formato::numero},
    {"dodicesimo", "dato_12", formato::numero}, {"tredicesimo", "dato_13", formato::numero},
    {"orario", "orario", formato::ore},         {"nome", "nome", formato::testo},
};
const std::vector<voce> voci_cartello{{"testo", "nome", formato::testo}};
const std::vector<voce> voci_progressiva{
    {"inizio", "inizio", formato::metri},
    {"fine", "fine", formato::metri},
    {"posizione", "posizione", formato::numero},
};
const std::vector<voce> voci_treno_e_linea{
    {"massa_frenata", "inizio", formato::percento},
    {"lunghezza_linea", "fine", formato::metri},
    {"vetture", "posizione", formato::numero},
};
const std::vector<voce> voci_linea{
    {"nome_linea", "nome", formato::testo},       {"sfondo_uno", "inizio", formato::numero},
    {"sfondo_due", "posizione", formato::numero}, {"sfondo_tre", "fine", formato::numero},
    {"marcatore", "dato_7", formato::numero},     {"codice_controllo", "orario", formato::numero},
};
const std::vector<voce> voci_treno{
    {"numero_treno", "nome", formato::testo},
    {"ripetizione_inizio", "inizio", formato::metri},
    {"ripetizione_fine", "fine", formato::metri},
    {"codici_ripetizione", "posizione", formato::numero},
    {"sabbia", "dato_7", formato::numero},
    {"orologio", "dato_10", formato::orologio},
};

const std::vector<voce>& voci(contenuto_riga c) {
    static const std::vector<voce> nessuna;
    switch (c) {
        case contenuto_riga::stazione:
            return voci_stazione;
        case contenuto_riga::cartello:
            return voci_cartello;
        case contenuto_riga::progressiva_chilometrica:
            return voci_progressiva;
        case contenuto_riga::treno_e_linea:
            return voci_treno_e_linea;
        case contenuto_riga::linea:
            return voci_linea;
        case contenuto_riga::treno:
            return voci_treno;
        case contenuto_riga::vuota:
        case contenuto_riga::altro:
            break;
    }
    return nessuna;
}

std::int64_t intero_di(const riga_sim& r, std::string_view nome) {
    std::int64_t v = 0;
    per_ogni_campo(campi_riga, [&](const auto& c) {
        if constexpr (!std::is_same_v<typename std::decay_t<decltype(c)>::tipo, std::string>) {
            if (c.nome == nome) v = r.*c.membro;
        }
    });
    return v;
}

void aggiungi_voce(record_dump& d, const riga_sim& r, const voce& v) {
    const std::int64_t n = intero_di(r, v.campo);
    switch (v.f) {
        case formato::numero:
            d.intero(v.etichetta, n);
            break;
        case formato::metri:
            d.solo_testo(v.etichetta, in_metri(n));
            break;
        case formato::percento:
            d.solo_testo(v.etichetta, std::to_string(n) + " %");
            break;
        case formato::ore:
            d.solo_testo(v.etichetta, std::to_string(n) + " (" + in_ore(n) + ")");
            break;
        case formato::testo:
            d.testo(v.etichetta, testo_1252_a_utf8(r.nome));
            break;
        case formato::orologio:
            d.solo_testo(v.etichetta, in_ore(r.dato_10, r.dato_11, r.dato_12));
            break;
    }
}

// The stored fields a labelled field reads.
std::set<std::string_view> letti(const std::vector<voce>& v) {
    std::set<std::string_view> campi;
    for (const voce& x : v) {
        campi.insert(x.campo);
        if (x.f == formato::orologio) campi.insert({"dato_11", "dato_12"});
    }
    return campi;
}

}  // namespace

std::vector<contenuto_riga> contenuti_righe(const tabella_sim_decodificata& tabella) {
    std::vector<contenuto_riga> c(tabella.size(), contenuto_riga::vuota);
    auto piena = [&](int r) { return !(tabella[static_cast<std::size_t>(r)] == riga_sim{}); };
    int r = 1;
    for (; r <= ultima_riga_cartelli && piena(r); ++r) c[r] = contenuto_riga::stazione;
    for (int b = ultima_riga_cartelli; b >= r && piena(b); --b) c[b] = contenuto_riga::cartello;
    for (int i = 0; i <= ultima_riga_cartelli; ++i) {
        if (c[i] == contenuto_riga::vuota && piena(i)) c[i] = contenuto_riga::altro;
    }
    c[81] = c[82] = c[83] = contenuto_riga::progressiva_chilometrica;
    c[84] = contenuto_riga::treno_e_linea;
    c[85] = contenuto_riga::linea;
    c[86] = contenuto_riga::treno;
    return c;
}

std::string_view nome_contenuto(contenuto_riga c) {
    switch (c) {
        case contenuto_riga::vuota:
            return "vuota";
        case contenuto_riga::stazione:
            return "stazione";
        case contenuto_riga::cartello:
            return "cartello";
        case contenuto_riga::progressiva_chilometrica:
            return "progressiva_chilometrica";
        case contenuto_riga::treno_e_linea:
            return "treno_e_linea";
        case contenuto_riga::linea:
            return "linea";
        case contenuto_riga::treno:
            return "treno";
        case contenuto_riga::altro:
            break;
    }
    return "altro";
}

record_dump etichette_riga(const riga_sim& r, contenuto_riga c) {
    record_dump d;
    d.solo_testo("", std::string(nome_contenuto(c)));
    const std::vector<voce>& v = voci(c);
    for (const voce& x : v) aggiungi_voce(d, r, x);
    const std::set<std::string_view> campi = letti(v);
    per_ogni_campo(campi_riga, [&](const auto& f) {
        if (campi.count(f.nome) != 0) return;
        if constexpr (std::is_same_v<typename std::decay_t<decltype(f)>::tipo, std::string>) {
            if (!(r.*f.membro).empty()) d.testo(f.nome, testo_1252_a_utf8(r.*f.membro));
        } else {
            if (r.*f.membro != 0) d.intero(f.nome, r.*f.membro);
        }
    });
    return d;
}

void unita_riga(record_dump& json, const riga_sim& r, contenuto_riga c) {
    json.solo_json("contenuto", std::string(nome_contenuto(c)));
    if (c == contenuto_riga::stazione) json.solo_json("orario_hms", in_ore(r.orario));
    if (c == contenuto_riga::treno)
        json.solo_json("orologio_hms", in_ore(r.dato_10, r.dato_11, r.dato_12));
}
