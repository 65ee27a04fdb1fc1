#include "output/destinazione_cartella.h"

#include "platform/percorsi.h"

flusso_uscita& destinazione_cartella::apri(const std::string& nome) {
    file_.push_back(std::make_unique<file_atomico>(unisci_percorso(cartella_, nome)));
    return *file_.back();
}

void destinazione_cartella::conferma() {
    for (const auto& f : file_) f->completa();
    for (const auto& f : file_) f->conferma();
    file_.clear();
}
