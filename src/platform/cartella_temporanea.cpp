#include "platform/cartella_temporanea.h"

#include "platform/percorsi.h"

cartella_temporanea::cartella_temporanea(const std::string& base)
    : percorso_(crea_cartella_unica(base.empty() ? cartella_temporanea_di_sistema() : base,
                                    "compila_scenario.")) {}

cartella_temporanea::~cartella_temporanea() {
    rimuovi_albero(percorso_);
}

std::string cartella_temporanea::file(const std::string& nome) const {
    return unisci_percorso(percorso_, nome);
}
