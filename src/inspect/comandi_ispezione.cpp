#include "inspect/comandi_ispezione.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "inspect/carica_scenario.h"
#include "inspect/dump.h"
#include "inspect/elementi_linea.h"
#include "inspect/lettore_le.h"
#include "inspect/piano_svg.h"
#include "model/guasto.h"
#include "output/file_atomico.h"
#include "platform/lettura_file.h"

namespace {

constexpr int uscita_errore = 1;
constexpr int uscita_uso = 64;

int errore_uso(const std::string& messaggio) {
    std::cerr << "compila_scenario: " << messaggio << "\n"
              << "Try 'compila_scenario --help' for more information.\n";
    return uscita_uso;
}

int errore_programma(const std::string& messaggio) {
    std::cerr << "compila_scenario: errore: " << messaggio << "\n";
    return uscita_errore;
}

std::optional<std::int64_t> numero_naturale(std::string_view testo) {
    std::int64_t v = 0;
    const auto [fine, esito] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (esito != std::errc{} || fine != testo.data() + testo.size() || v < 0) return std::nullopt;
    return v;
}

bool opzione(std::string_view a) {
    return a.size() > 1 && a.front() == '-';
}

struct richiesta_dump {
    std::string file;
    opzioni_dump opzioni;
};

// Returns the usage message, or nothing when the arguments are fine.
std::optional<std::string> leggi_argomenti_dump(const std::vector<std::string_view>& argomenti,
                                                richiesta_dump& r) {
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        if (a == "--json") {
            r.opzioni.json = true;
        } else if (a == "--all") {
            r.opzioni.tutti = true;
        } else if (a == "--raw") {
            r.opzioni.grezzo = true;
        } else if (a == "--from" || a == "--to") {
            if (i + 1 >= argomenti.size())
                return "l'opzione '" + std::string(a) + "' vuole un numero";
            const auto n = numero_naturale(argomenti[++i]);
            if (!n) {
                return "l'opzione '" + std::string(a) +
                       "' vuole un numero intero non negativo, non '" + std::string(argomenti[i]) +
                       "'";
            }
            (a == "--from" ? r.opzioni.da : r.opzioni.a) = *n;
        } else if (opzione(a)) {
            return "opzione sconosciuta '" + std::string(a) + "'";
        } else if (!r.file.empty()) {
            return "dump legge un solo file";
        } else {
            r.file = a;
        }
    }
    if (r.file.empty()) return std::string("dump vuole il nome di un file compilato");
    if (r.opzioni.da > r.opzioni.a) return std::string("--from supera --to");
    if (!genere_da_nome(r.file)) {
        return "non riconosco il file '" + r.file +
               "': il nome deve finire con .sim, _linea.dat o .dat";
    }
    return std::nullopt;
}

bool termina_con_sim(std::string_view nome) {
    return nome.size() > 4 && nome.substr(nome.size() - 4) == ".sim";
}

}  // namespace

int esegui_dump(const std::vector<std::string_view>& argomenti) {
    richiesta_dump r;
    if (const auto messaggio = leggi_argomenti_dump(argomenti, r)) return errore_uso(*messaggio);
    try {
        scrivi_dump(std::cout, *genere_da_nome(r.file), leggi_file(r.file), r.opzioni);
    } catch (const formato_errato& e) {
        return errore_programma(r.file + ": " + e.what());
    } catch (const guasto& g) {
        return errore_programma(g.what());
    }
    std::cout.flush();
    return std::cout ? 0 : errore_programma("impossibile scrivere l'uscita");
}

int esegui_plan(const std::vector<std::string_view>& argomenti) {
    std::string file_sim;
    std::string file_svg;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        if (a == "-o") {
            if (i + 1 >= argomenti.size()) return errore_uso("l'opzione '-o' vuole un file");
            file_svg = argomenti[++i];
        } else if (opzione(a)) {
            return errore_uso("opzione sconosciuta '" + std::string(a) + "'");
        } else if (!file_sim.empty()) {
            return errore_uso("plan legge un solo file .sim");
        } else {
            file_sim = a;
        }
    }
    if (file_sim.empty()) return errore_uso("plan vuole il file .sim di uno scenario compilato");
    if (!termina_con_sim(file_sim)) {
        return errore_uso("'" + file_sim + "' non è un file .sim");
    }
    if (file_svg.empty()) return errore_uso("plan vuole '-o FILE.svg'");
    try {
        disegna_piano(file_sim, file_svg);
    } catch (const guasto& g) {
        return errore_programma(g.what());
    }
    return 0;
}

void disegna_piano(const std::string& file_sim, const std::string& file_svg) {
    if (!termina_con_sim(file_sim)) throw guasto("'" + file_sim + "' non è un file .sim");
    const scenario_compilato s = carica_scenario(file_sim);
    const elementi_linea e = estrai_elementi(s.tabella, s.celle);
    const profilo* p = s.profilo_linea ? &*s.profilo_linea : nullptr;
    scrivi_file_intero(file_svg, piano_svg(e, p));
}
