// Writes the one description of the scenario files as the guide's Markdown.
#include "source_text/guida_campi.h"

#include <limits>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "source_text/lettore_campi.h"

namespace {

std::string numero(std::int64_t v) {
    // A typographic minus, as the rest of the guide writes negative numbers.
    return v < 0 ? "−" + std::to_string(-v) : std::to_string(v);
}

bool intera_larghezza(const descrizione_valore& v) {
    switch (v.larghezza) {
        case larghezza_valore::byte:
            return v.minimo == 0 && v.massimo == 255;
        case larghezza_valore::intero16:
            return v.minimo == std::numeric_limits<std::int16_t>::min() &&
                   v.massimo == std::numeric_limits<std::int16_t>::max();
        case larghezza_valore::intero32:
            return v.minimo == std::numeric_limits<std::int32_t>::min() &&
                   v.massimo == std::numeric_limits<std::int32_t>::max();
        case larghezza_valore::testo:
            return true;
    }
    return false;
}

std::string campo_ammesso(const descrizione_valore& v) {
    if (v.larghezza == larghezza_valore::testo) return "—";
    if (v.larghezza == larghezza_valore::intero32 && intera_larghezza(v)) return "any";
    return numero(v.minimo) + " … " + numero(v.massimo);
}

std::string_view o_trattino(std::string_view testo) {
    return testo.empty() ? "—" : testo;
}

std::string tabella_valori(std::span<const descrizione_valore> valori) {
    std::string t =
        "| # | value | width | unit | range | effect | out of range |\n"
        "|---|---|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const descrizione_valore& v = valori[i];
        t += "| " + std::to_string(i + 1) + " | `" + std::string(v.nome) + "` | " +
             std::string(nome_larghezza(v.larghezza)) + " | " + std::string(o_trattino(v.unita)) +
             " | " + campo_ammesso(v) + " | " + std::string(v.effetto) + " | " +
             std::string(v.fuori_campo) + " |\n";
    }
    return t;
}

std::string forma_riga(const descrizione_parola_chiave& parola) {
    std::string forma = "`" + std::string(parola.parola);
    for (const descrizione_valore& v : parola.valori) forma += ", " + std::string(v.nome);
    return forma + "`";
}

std::string esempio(std::string_view riga) {
    return "```\n" + std::string(riga) + "\n```\n";
}

// The example's numbers in line order, read as the readers read them.
std::vector<std::int64_t> numeri_esempio(const descrizione_parola_chiave& parola) {
    lettore_campi lettore{parola.esempio, parola.file};
    lettore.leggi_testo();
    std::vector<std::int64_t> numeri;
    for (const descrizione_valore& v : parola.valori) {
        switch (v.larghezza) {
            case larghezza_valore::byte:
                numeri.push_back(lettore.leggi_byte());
                break;
            case larghezza_valore::intero16:
                numeri.push_back(lettore.leggi_intero16());
                break;
            case larghezza_valore::intero32:
                numeri.push_back(lettore.leggi_intero32());
                break;
            case larghezza_valore::testo:
                return numeri;
        }
    }
    return numeri;
}

// What the compiler stores for the example, value by value; values that act together
// (a timetable, a stop zone) are told once.
std::string risultato_esempio(const descrizione_parola_chiave& parola) {
    const std::vector<std::int64_t> numeri = numeri_esempio(parola);
    std::string elenco;
    std::set<std::string> detti;
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const std::string memorizzato = valore_memorizzato(parola, i, numeri);
        if (memorizzato.empty() || !detti.insert(memorizzato).second) continue;
        elenco += "- `" + std::string(parola.valori[i].nome) + "` " + numero(numeri[i]) + ": " +
                  memorizzato + "\n";
    }
    return elenco.empty() ? "" : "\nWhat the compiler makes of it:\n\n" + elenco;
}

std::string scheda(const descrizione_parola_chiave& parola, std::string_view livello) {
    return std::string(livello) + " `" + std::string(parola.parola) + "`\n\n" + forma_riga(parola) +
           " (section `" + std::string(parola.sezione) + "`)\n\n" +
           std::string(parola.descrizione) + "\n\n" + tabella_valori(parola.valori) +
           "\nExample:\n\n" + esempio(parola.esempio) + risultato_esempio(parola);
}

// Keywords that share one table of values: the first sentence of each description tells
// them apart, the rest is common.
std::string scheda_gruppo(std::span<const descrizione_parola_chiave> gruppo) {
    const auto punto = gruppo.front().descrizione.find(". ");
    std::string t = "### `" + std::string(gruppo.front().parola) + "` … `" +
                    std::string(gruppo.back().parola) + "`\n\n" + forma_riga(gruppo.front()) +
                    " and the others alike (section `" + std::string(gruppo.front().sezione) +
                    "`)\n\n" + std::string(gruppo.front().descrizione.substr(punto + 2)) +
                    "\n\n| keyword | what it is |\n|---|---|\n";
    for (const descrizione_parola_chiave& p : gruppo) {
        const auto fine = p.descrizione.find(". ");
        t += "| `" + std::string(p.parola) + "` | " + std::string(p.descrizione.substr(0, fine)) +
             " |\n";
    }
    t += '\n';
    t += tabella_valori(gruppo.front().valori);
    t += "\nExamples:\n\n```\n";
    for (const descrizione_parola_chiave& p : gruppo) t += std::string(p.esempio) + "\n";
    return t + "```\n" + risultato_esempio(gruppo.front());
}

}  // namespace

std::string scheda_parola_chiave(const descrizione_parola_chiave& parola) {
    return scheda(parola, "#");
}

std::string tabelle_guida(sorgente file) {
    const auto tutte = parole_chiave(file);
    std::string t;
    for (std::size_t i = 0; i < tutte.size();) {
        std::size_t fine = i + 1;
        while (fine < tutte.size() && tutte[fine].valori.data() == tutte[i].valori.data()) {
            ++fine;
        }
        if (!t.empty()) t += "\n";
        t += fine - i > 1 ? scheda_gruppo(tutte.subspan(i, fine - i)) : scheda(tutte[i], "###");
        i = fine;
    }
    return t;
}
