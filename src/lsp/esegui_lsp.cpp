#include "lsp/esegui_lsp.h"

#include <array>
#include <iostream>
#include <string>

#include "driver/uso.h"
#include "lsp/canale_standard.h"
#include "lsp/cornice.h"
#include "lsp/server_lsp.h"

namespace {

// Sends every message; false when the client has gone.
bool invia(const std::vector<nlohmann::json>& messaggi) {
    for (const nlohmann::json& m : messaggi) {
        const std::string corpo = m.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        if (!scrivi_uscita(incornicia(corpo))) return false;
    }
    return true;
}

int servi() {
    prepara_canale_standard();
    server_lsp server;
    lettore_cornici lettore;
    std::array<char, 1 << 16> blocco{};
    while (const std::size_t n = leggi_ingresso(blocco.data(), blocco.size())) {
        lettore.aggiungi(std::string_view(blocco.data(), n));
        while (std::optional<cornice_letta> cornice = lettore.prossima()) {
            if (!cornice->valida) {
                std::cerr << "compila_scenario lsp: messaggio scartato: " << cornice->difetto
                          << "\n";
                continue;
            }
            if (!invia(server.gestisci_corpo(cornice->corpo))) return server.stato_uscita();
            if (server.uscito()) return server.stato_uscita();
        }
    }
    return server.stato_uscita();
}

}  // namespace

int esegui_lsp(const std::vector<std::string_view>& argomenti) {
    for (const std::string_view a : argomenti) {
        // Editors pass "--stdio" to the servers they start; it is the only channel there is.
        if (a != "--stdio") return errore_uso("lsp non vuole l'opzione '" + std::string(a) + "'");
    }
    return servi();
}
