#include "output/destinazione_cartella.h"

#include <algorithm>

#include "model/guasto.h"
#include "output/conferma_insieme.h"
#include "output/nomi_temporanei.h"
#include "platform/interruzioni.h"
#include "platform/percorsi.h"

class destinazione_cartella::file_temporaneo : public flusso_uscita {
  public:
    file_temporaneo(operazioni_file& op, const std::string& cartella, std::string finale)
        : finale_(std::move(finale)) {
        for (;;) {
            nome_ = nome_temporaneo();
            const std::string percorso = unisci_percorso(cartella, nome_);
            registrazione_ = std::make_unique<da_cancellare_se_interrotto>(percorso);
            file_ = op.crea_nuovo(percorso, unisci_percorso(cartella, finale_));
            if (file_) return;
        }
    }

    using flusso_uscita::scrivi;
    void scrivi(const void* dati, std::size_t n) override { file_->scrivi(dati, n); }
    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
        file_->scrivi_in(posizione, dati, n);
    }
    void chiudi() { file_->chiudi(); }

    const std::string& nome() const { return nome_; }
    const std::string& finale() const { return finale_; }

  private:
    std::string finale_;
    std::string nome_;
    std::unique_ptr<da_cancellare_se_interrotto> registrazione_;
    std::unique_ptr<file_in_scrittura> file_;
};

destinazione_cartella::destinazione_cartella(std::string cartella, operazioni_file& op,
                                             std::chrono::milliseconds attesa_blocco)
    : cartella_(std::move(cartella)), op_(op), attesa_blocco_(attesa_blocco) {}

destinazione_cartella::~destinazione_cartella() {
    for (auto& f : file_) {
        const std::string percorso = unisci_percorso(cartella_, f->nome());
        f.reset();  // closed first: an open file cannot be deleted everywhere
        try {
            op_.cancella(percorso);
        } catch (const std::exception&) {
            // Left for the next run's sweep.
        }
    }
}

void destinazione_cartella::prepara() {
    if (blocco_) return;
    blocco_.emplace(unisci_percorso(cartella_, nome_blocco), attesa_blocco_);
    ripristina_cartella(op_, cartella_);
}

flusso_uscita& destinazione_cartella::apri(const std::string& nome) {
    prepara();
    const bool doppio =
        std::any_of(file_.begin(), file_.end(), [&](const auto& f) { return f->finale() == nome; });
    if (doppio) throw guasto("due file compilati con lo stesso nome: " + nome);
    file_.push_back(std::make_unique<file_temporaneo>(op_, cartella_, nome));
    return *file_.back();
}

void destinazione_cartella::conferma() {
    if (file_.empty()) return;
    for (const auto& f : file_) f->chiudi();
    std::vector<voce_insieme> voci;
    for (const auto& f : file_) voci.push_back({f->nome(), f->finale(), {}});
    {
        // From here the new files are the commit's: it removes them or puts them in place.
        const interruzioni_rinviate rinvio;
        file_.clear();
        metti_in_opera(op_, cartella_, std::move(voci));
    }
}
