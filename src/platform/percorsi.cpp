#include "platform/percorsi.h"

namespace {

std::size_t inizio_nome(std::string_view percorso) {
    std::size_t i = percorso.size();
    while (i > 0 && !separatore_percorso(percorso[i - 1])) --i;
    return i;
}

}  // namespace

std::string unisci_percorso(std::string_view cartella, std::string_view nome) {
    std::string percorso(cartella);
    if (!percorso.empty() && !separatore_percorso(percorso.back())) {
        percorso += separatore_preferito();
    }
    percorso += nome;
    return percorso;
}

std::string_view nome_in_percorso(std::string_view percorso) {
    return percorso.substr(inizio_nome(percorso));
}

std::string_view cartella_in_percorso(std::string_view percorso) {
    return percorso.substr(0, inizio_nome(percorso));
}
