#include "inspect/dump.h"

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "inspect/etichette_celle.h"
#include "inspect/etichette_tabella.h"
#include "inspect/nome_oggetto.h"
#include "inspect/record_dump.h"
#include "inspect/unita_misura.h"
#include "output/descrizione_record.h"
#include "source_text/codifica_1252.h"

namespace {

struct record_numerato {
    std::int64_t numero;
    std::string intestazione;  // the text form's label, e.g. "cella 39 (1950 m)"
    record_dump campi;
};

// The stored fields of a record, by the description the files are written with.
template <typename Campi, typename Record>
void campi_grezzi(record_dump& d, const Campi& campi, const Record& r) {
    per_ogni_campo(campi, [&](const auto& c) {
        if constexpr (std::is_same_v<typename std::decay_t<decltype(c)>::tipo, std::string>) {
            d.testo(c.nome, testo_1252_a_utf8(r.*c.membro));
        } else {
            d.intero(c.nome, r.*c.membro);
        }
    });
}

bool nel_campo(std::int64_t numero, const opzioni_dump& o) {
    return numero >= o.da && numero <= o.a;
}

// The form a record takes: its bare stored values (--raw), its fields by meaning and with
// units (text), or both stored values and units (JSON).
record_dump forma_riga(const riga_sim& r, contenuto_riga c, const opzioni_dump& o) {
    if (!o.grezzo && !o.json) return etichette_riga(r, c);
    record_dump d;
    campi_grezzi(d, campi_riga, r);
    if (!o.grezzo) unita_riga(d, r, c);
    return d;
}

record_dump forma_cella(const cella& c, std::size_t i, const opzioni_dump& o) {
    if (!o.grezzo && !o.json) return etichette_cella(c, i);
    record_dump d;
    d.parola("oggetto", nome_oggetto(c.tipo));
    campi_grezzi(d, campi_cella, c);
    if (!o.grezzo) unita_cella(d, c, i);
    return d;
}

std::vector<record_numerato> record_tabella(const tabella_sim_decodificata& t,
                                            const opzioni_dump& o) {
    const std::vector<contenuto_riga> contenuti = contenuti_righe(t);
    std::vector<record_numerato> scelti;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto n = static_cast<std::int64_t>(i);
        if (!nel_campo(n, o) || (!o.tutti && t[i] == riga_sim{})) continue;
        scelti.push_back({n, "riga " + std::to_string(n), forma_riga(t[i], contenuti[i], o)});
    }
    return scelti;
}

bool cella_scelta(const std::vector<cella>& celle, std::size_t i, const opzioni_dump& o) {
    if (o.tutti) return true;
    if (o.grezzo) return !(celle[i] == cella{});
    return cella_da_mostrare(celle[i], i == 0 ? nullptr : &celle[i - 1], i);
}

std::vector<record_numerato> record_celle(const std::vector<cella>& celle, const opzioni_dump& o) {
    std::vector<record_numerato> scelti;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        const auto n = static_cast<std::int64_t>(i);
        if (!nel_campo(n, o) || !cella_scelta(celle, i, o)) continue;
        std::string intestazione = "cella " + std::to_string(n);
        if (!o.grezzo) intestazione += " (" + in_metri(metro_della_cella(i)) + ")";
        scelti.push_back({n, std::move(intestazione), forma_cella(celle[i], i, o)});
    }
    return scelti;
}

void aggiungi_elemento(record_dump& d, const profilo& p, std::int64_t metro, int colonna) {
    const char* tipo = colonna == 0 ? "tipo_0" : "tipo_1";
    const char* valore = colonna == 0 ? "colonna_0" : "colonna_1";
    const tipo_elemento t = p.tipo(metro, colonna);
    d.parola(tipo, genere_di(t).nome);
    switch (t) {
        case tipo_elemento::vuoto:
            d.nullo(valore);
            break;
        case tipo_elemento::intero16:
            d.intero(valore, static_cast<std::int64_t>(p.valore(metro, colonna)));
            break;
        case tipo_elemento::doppio:
            d.reale(valore, p.valore(metro, colonna));
            break;
    }
}

std::vector<record_numerato> record_profilo(const profilo& p, const opzioni_dump& o) {
    std::vector<record_numerato> scelti;
    for (std::int64_t m = std::max<std::int64_t>(o.da, 0); m <= p.ultimo_metro() && m <= o.a; ++m) {
        const bool vuoto =
            p.tipo(m, 0) == tipo_elemento::vuoto && p.tipo(m, 1) == tipo_elemento::vuoto;
        if (!o.tutti && vuoto) continue;
        record_dump d;
        aggiungi_elemento(d, p, m, 0);
        aggiungi_elemento(d, p, m, 1);
        scelti.push_back({m, "metro " + std::to_string(m), std::move(d)});
    }
    return scelti;
}

struct descrizione {
    const char* genere;
    const char* chiave;   // the JSON array and the number's field
    const char* record;   // the JSON field of a record's number
    std::int64_t totale;  // records in the file
};

// One record a line, so that a large file reads and greps well.
void scrivi_json(std::ostream& uscita, const descrizione& d,
                 const std::vector<record_numerato>& scelti) {
    using json = nlohmann::ordered_json;
    uscita << "{\"genere\":" << json(d.genere).dump() << ",\"totale\":" << d.totale << ","
           << json(d.chiave).dump() << ":[";
    for (std::size_t i = 0; i < scelti.size(); ++i) {
        json record = {{d.record, scelti[i].numero}};
        record.update(scelti[i].campi.come_json());
        uscita << (i == 0 ? "\n" : ",\n")
               << record.dump(-1, ' ', false, json::error_handler_t::replace);
    }
    uscita << "\n]}\n";
}

void scrivi_testo(std::ostream& uscita, const descrizione& d,
                  const std::vector<record_numerato>& scelti) {
    uscita << "# " << d.genere << ": " << d.totale << " " << d.chiave << ", " << scelti.size()
           << " mostrati\n";
    for (const record_numerato& r : scelti) {
        uscita << r.intestazione << ": " << r.campi.come_testo() << "\n";
    }
}

}  // namespace

void scrivi_dump(std::ostream& uscita, genere_file genere, std::string_view dati,
                 const opzioni_dump& o) {
    descrizione d{};
    std::vector<record_numerato> scelti;
    switch (genere) {
        case genere_file::tabella: {
            const tabella_sim_decodificata t = decodifica_tabella(dati);
            d = {"tabella", "righe", "riga", static_cast<std::int64_t>(t.size())};
            scelti = record_tabella(t, o);
            break;
        }
        case genere_file::celle: {
            const std::vector<cella> celle = decodifica_celle(dati);
            d = {"celle", "celle", "cella", static_cast<std::int64_t>(celle.size())};
            scelti = record_celle(celle, o);
            break;
        }
        case genere_file::profilo: {
            const profilo p = decodifica_profilo(dati);
            d = {"profilo", "metri", "metro", p.ultimo_metro() + 1};
            scelti = record_profilo(p, o);
            break;
        }
    }
    if (o.json) {
        scrivi_json(uscita, d, scelti);
    } else {
        scrivi_testo(uscita, d, scelti);
    }
}
