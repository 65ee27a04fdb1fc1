#include "inspect/dump.h"

#include <algorithm>
#include <string>
#include <vector>

#include "inspect/nome_oggetto.h"
#include "inspect/record_dump.h"
#include "source_text/codifica_1252.h"

namespace {

struct record_numerato {
    std::int64_t numero;
    record_dump campi;
};

record_dump campi_riga(const riga_sim& r) {
    record_dump d;
    d.intero("tipo", r.tipo)
        .intero("inizio", r.inizio)
        .intero("fine", r.fine)
        .intero("posizione", r.posizione)
        .intero("dato_4", r.dato_4)
        .testo("nome", testo_1252_a_utf8(r.nome))
        .intero("dato_7", r.dato_7)
        .intero("dato_8", r.dato_8)
        .intero("dato_10", r.dato_10)
        .intero("dato_11", r.dato_11)
        .intero("dato_12", r.dato_12)
        .intero("dato_9", r.dato_9)
        .intero("dato_13", r.dato_13)
        .intero("dato_6", r.dato_6)
        .intero("dato_5", r.dato_5)
        .intero("orario", r.orario);
    return d;
}

record_dump campi_cella(const cella& c) {
    record_dump d;
    d.parola("oggetto", nome_oggetto(c.tipo))
        .intero("tipo", c.tipo)
        .intero("valore_1", c.valore_1)
        .intero("valore_2", c.valore_2)
        .intero("valore_3", c.valore_3)
        .intero("valore_4", c.valore_4)
        .intero("tempo", c.tempo)
        .intero("preavviso", c.preavviso)
        .intero("montagna", c.montagna)
        .intero("vel_limite", c.vel_limite)
        .intero("pendenza", c.pendenza)
        .intero("aderenza", c.aderenza);
    return d;
}

void aggiungi_elemento(record_dump& d, const profilo& p, std::int64_t metro, int colonna) {
    const char* tipo = colonna == 0 ? "tipo_0" : "tipo_1";
    const char* valore = colonna == 0 ? "colonna_0" : "colonna_1";
    switch (p.tipo(metro, colonna)) {
        case tipo_elemento::vuoto:
            d.parola(tipo, "vuoto").nullo(valore);
            break;
        case tipo_elemento::intero16:
            d.parola(tipo, "intero16")
                .intero(valore, static_cast<std::int64_t>(p.valore(metro, colonna)));
            break;
        case tipo_elemento::doppio:
            d.parola(tipo, "doppio").reale(valore, p.valore(metro, colonna));
            break;
    }
}

bool nel_campo(std::int64_t numero, const opzioni_dump& o) {
    return numero >= o.da && numero <= o.a;
}

// The records of a table or of the cells that the options select; empty ones only on --all.
template <typename Record, typename Campi>
std::vector<record_numerato> scegli_record(const Record& record, const opzioni_dump& o,
                                           Campi campi) {
    using Elemento = typename Record::value_type;
    std::vector<record_numerato> scelti;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const auto n = static_cast<std::int64_t>(i);
        if (nel_campo(n, o) && (o.tutti || !(record[i] == Elemento{}))) {
            scelti.push_back({n, campi(record[i])});
        }
    }
    return scelti;
}

std::vector<record_numerato> record_tabella(const tabella_sim_decodificata& t,
                                            const opzioni_dump& o) {
    return scegli_record(t, o, campi_riga);
}

std::vector<record_numerato> record_celle(const std::vector<cella>& celle, const opzioni_dump& o) {
    return scegli_record(celle, o, campi_cella);
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
        scelti.push_back({m, std::move(d)});
    }
    return scelti;
}

struct descrizione {
    const char* genere;
    const char* chiave;   // the JSON array and the number's field
    const char* record;   // the text label of a record
    std::int64_t totale;  // records in the file
};

void scrivi_json(std::ostream& uscita, const descrizione& d,
                 const std::vector<record_numerato>& scelti) {
    uscita << "{\"genere\":\"" << d.genere << "\",\"totale\":" << d.totale << ",\"" << d.chiave
           << "\":[";
    const std::string numero = std::string("{\"") + d.record + "\":";
    for (std::size_t i = 0; i < scelti.size(); ++i) {
        const std::string campi = scelti[i].campi.come_json();
        uscita << (i == 0 ? "\n" : ",\n") << numero << scelti[i].numero << "," << campi.substr(1);
    }
    uscita << "\n]}\n";
}

void scrivi_testo(std::ostream& uscita, const descrizione& d,
                  const std::vector<record_numerato>& scelti) {
    uscita << "# " << d.genere << ": " << d.totale << " " << d.chiave << ", " << scelti.size()
           << " mostrati\n";
    for (const record_numerato& r : scelti) {
        uscita << d.record << " " << r.numero << ": " << r.campi.come_testo() << "\n";
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
