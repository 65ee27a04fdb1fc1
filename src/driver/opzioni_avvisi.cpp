#include "driver/opzioni_avvisi.h"

#include <algorithm>

#include "avvisi/nomi_avvisi.h"

namespace {

bool nome_noto(std::string_view nome) {
    const auto nomi = avvisi::tutti();
    return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
}

}  // namespace

void opzioni_avvisi::applica(opzioni_compilazione& o) const {
    o.avvisi = attivi;
    o.avvisi_spenti = spenti;
    o.avvisi_come_errori = come_errori;
    o.codifica = codifica;
}

bool leggi_opzione_avvisi(const std::vector<std::string_view>& argomenti, std::size_t& i,
                          opzioni_avvisi& o, std::optional<std::string>& errore) {
    const std::string_view a = argomenti[i];
    if (a == "-Werror") {
        o.come_errori = true;
    } else if (a == "-w") {
        o.attivi = false;
    } else if (a.starts_with("-Wno-")) {
        const std::string_view nome = a.substr(5);
        if (!nome_noto(nome)) {
            errore = "avviso sconosciuto '" + std::string(nome) +
                     "' (compila_scenario spiega avvisi li elenca)";
        }
        o.spenti.emplace_back(nome);
    } else if (a == "--encoding") {
        const std::optional<codifica_sorgente> c =
            i + 1 < argomenti.size() ? codifica_di_nome(argomenti[i + 1]) : std::nullopt;
        if (!c) {
            errore = "l'opzione '--encoding' vuole auto, cp1252, utf-8 o utf-16";
        } else {
            o.codifica = *c;
            ++i;
        }
    } else {
        return false;
    }
    return true;
}
