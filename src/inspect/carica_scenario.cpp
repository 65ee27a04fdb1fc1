#include "inspect/carica_scenario.h"

#include "model/guasto.h"
#include "platform/lettura_file.h"

namespace {

constexpr std::size_t riga_treno = 86;

template <typename F>
auto decodifica(const std::string& percorso, F decodificatore) {
    const std::string dati = leggi_file(percorso);
    try {
        return decodificatore(dati);
    } catch (const guasto& g) {
        throw guasto(percorso + ": " + g.what());
    }
}

bool termina_con(const std::string& testo, const std::string& fine) {
    return testo.size() >= fine.size() &&
           testo.compare(testo.size() - fine.size(), fine.size(), fine) == 0;
}

}  // namespace

nomi_compilati nomi_accanto(const std::string& file_sim, const std::string& numero_treno) {
    const std::string base = file_sim.substr(0, file_sim.size() - std::string(".sim").size());
    // The base is line "_" train; the line name may itself hold underscores.
    std::string linea;
    if (!numero_treno.empty() && termina_con(base, "_" + numero_treno)) {
        linea = base.substr(0, base.size() - numero_treno.size() - 1);
    } else {
        const auto barra = base.rfind('/');
        const auto separatore = base.rfind('_');
        const bool nel_nome =
            separatore != std::string::npos && (barra == std::string::npos || separatore > barra);
        linea = nel_nome ? base.substr(0, separatore) : base;
    }
    return {base + ".dat", linea + "_linea.dat"};
}

scenario_compilato carica_scenario(const std::string& file_sim) {
    scenario_compilato s;
    s.tabella = decodifica(file_sim, decodifica_tabella);
    const nomi_compilati nomi = nomi_accanto(file_sim, s.tabella[riga_treno].nome);
    s.celle = decodifica(nomi.celle, decodifica_celle);
    if (tipo_di(nomi.profilo) == tipo_file::ordinario)
        s.profilo_linea = decodifica(nomi.profilo, decodifica_profilo);
    return s;
}
