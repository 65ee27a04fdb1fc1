#include "driver/comando_treni.h"

#include <iostream>

#include "driver/nomi_scenario.h"
#include "driver/rapporto_json.h"
#include "driver/rapporto_treni.h"
#include "driver/scelta_treni.h"
#include "driver/stato_attesa.h"
#include "driver/uso.h"

namespace {

std::optional<std::string> scegli(const richiesta_treni& r, std::vector<linea_con_treni>& linee) {
    if (r.file_treni.empty()) {
        if (r.nome_linea) return "--line-name non va con una cartella";
        return treni_in_cartella(r.file_linea, linee);
    }
    const auto nome = r.nome_linea ? r.nome_linea : nome_linea_da_file(r.file_linea);
    if (!nome) return "manca --line-name: il nome di LINE_FILE non finisce in \"_linea.txt\"";
    return treni_da_file(r.file_linea, *nome, r.file_treni, linee);
}

// One train alone reports exactly as a compile of its two files.
void riporta(const richiesta_treni& r, const std::vector<treno_compilato>& treni) {
    const bool uno = treni.size() == 1;
    std::cerr << (uno ? treni[0].rapporto.diagnostica : diagnostica_treni(treni));
    if (r.verboso) std::cerr << riepilogo_treni(treni, r.cartella_uscita);
    if (!r.json) return;
    const treno_compilato& t = treni[0];
    std::cout << (uno ? rapporto_json(t.esito, t.rapporto, t.nomi, t.esito.file_prodotti)
                      : rapporto_json_treni(treni))
              << "\n";
}

}  // namespace

int esegui_piu_treni(const richiesta_treni& r, const compilazione_treno& compila) {
    std::vector<linea_con_treni> linee;
    if (auto errore = scegli(r, linee)) return errore_uso(*errore);
    std::vector<treno_compilato> treni;
    {
        stato_attesa attesa(!r.silenzioso);
        treni = compila_treni(linee, compila);
    }
    riporta(r, treni);
    return codice_uscita(esito_peggiore(treni));
}
