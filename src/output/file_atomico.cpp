#include "output/file_atomico.h"

#include "platform/cancellazione.h"

file_atomico::file_atomico(std::string percorso)
    : percorso_(std::move(percorso)), file_(std::in_place, percorso_) {}

file_atomico::~file_atomico() {
    if (!file_) return;
    // Closed first: an open file cannot be deleted everywhere.
    const std::string temporaneo = file_->percorso();
    file_.reset();
    cancella_se_esiste(temporaneo);
}

void file_atomico::scrivi(const void* dati, std::size_t n) {
    file_->scrivi(dati, n);
}

void file_atomico::scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) {
    file_->scrivi_in(posizione, dati, n);
}

void file_atomico::completa() {
    if (file_) file_->chiudi();
}

void file_atomico::conferma() {
    completa();
    sostituisci_file(file_->percorso(), percorso_);
    file_.reset();
}

void scrivi_file_intero(const std::string& percorso, std::string_view contenuto) {
    file_atomico file(percorso);
    file.scrivi(contenuto);
    file.conferma();
}
