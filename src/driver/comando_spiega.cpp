#include "driver/comando_spiega.h"

#include <iostream>
#include <string>

#include "compilazione/spiegazioni.h"
#include "driver/uso.h"

int esegui_spiega(const std::vector<std::string_view>& argomenti) {
    if (argomenti.size() != 1) {
        return errore_uso(
            "spiega vuole un numero di errore, un nome di avviso o una parola chiave");
    }
    const std::optional<std::string> testo = spiegazione(argomenti[0]);
    if (!testo) {
        std::cerr << "compila_scenario: nessuna spiegazione per '" << argomenti[0]
                  << "': prova un numero di errore (8), un avviso (spiega avvisi li elenca) o "
                     "una parola chiave (stazione)\n";
        return 1;
    }
    std::cout << *testo;
    return 0;
}
