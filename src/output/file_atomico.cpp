#include "output/file_atomico.h"

#include "output/nomi_temporanei.h"
#include "platform/percorsi.h"

namespace {

std::string cartella_di(const std::string& percorso) {
    const auto barra = percorso.rfind('/');
    return barra == std::string::npos ? std::string(".") : percorso.substr(0, barra);
}

}  // namespace

file_atomico::file_atomico(std::string percorso, operazioni_file& op)
    : op_(op), percorso_(std::move(percorso)) {
    const std::string cartella = cartella_di(percorso_);
    while (!file_) {
        temporaneo_ = unisci_percorso(cartella, nome_temporaneo());
        registrazione_ = std::make_unique<da_cancellare_se_interrotto>(temporaneo_);
        file_ = op_.crea_nuovo(temporaneo_, percorso_);
    }
}

file_atomico::~file_atomico() {
    if (temporaneo_.empty()) return;
    file_.reset();  // closed first: an open file cannot be deleted everywhere
    try {
        op_.cancella(temporaneo_);
    } catch (const std::exception&) {
        // Left for the next run's sweep.
    }
}

void file_atomico::scrivi(const void* dati, std::size_t n) {
    file_->scrivi(dati, n);
}

void file_atomico::scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) {
    file_->scrivi_in(posizione, dati, n);
}

void file_atomico::completa() {
    file_->chiudi();
}

void file_atomico::conferma() {
    completa();
    op_.rinomina(temporaneo_, percorso_);
    temporaneo_.clear();
}

void scrivi_file_intero(const std::string& percorso, std::string_view contenuto) {
    file_atomico file(percorso);
    file.scrivi(contenuto);
    file.conferma();
}
