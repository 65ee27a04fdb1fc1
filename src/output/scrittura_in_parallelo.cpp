#include "output/scrittura_in_parallelo.h"

scrittura_in_parallelo::scrittura_in_parallelo(flusso_uscita& file, std::size_t dimensione,
                                               std::size_t quanti)
    : file_(file) {
    for (std::size_t i = 0; i < quanti; ++i) {
        liberi_.push_back({std::make_unique_for_overwrite<unsigned char[]>(dimensione), 0, 0});
    }
    scrittore_ = std::thread([this] { scrivi_in_coda(); });
}

scrittura_in_parallelo::~scrittura_in_parallelo() {
    {
        std::lock_guard blocco_mutex(mutex_);
        finito_ = true;
    }
    cambiato_.notify_all();
    scrittore_.join();
}

void scrittura_in_parallelo::rilancia_se_fallito() {
    if (errore_) std::rethrow_exception(errore_);
}

scrittura_in_parallelo::blocco scrittura_in_parallelo::prendi() {
    std::unique_lock attesa(mutex_);
    cambiato_.wait(attesa, [this] { return !liberi_.empty() || errore_; });
    rilancia_se_fallito();
    blocco b = std::move(liberi_.back());
    liberi_.pop_back();
    b.pieno = 0;
    return b;
}

void scrittura_in_parallelo::scrivi(blocco b) {
    {
        std::lock_guard blocco_mutex(mutex_);
        rilancia_se_fallito();
        da_scrivere_.push(std::move(b));
    }
    cambiato_.notify_all();
}

void scrittura_in_parallelo::attendi() {
    std::unique_lock attesa(mutex_);
    cambiato_.wait(attesa, [this] { return (da_scrivere_.empty() && !in_scrittura_) || errore_; });
    rilancia_se_fallito();
}

void scrittura_in_parallelo::scrivi_in_coda() {
    std::unique_lock attesa(mutex_);
    for (;;) {
        cambiato_.wait(attesa, [this] { return !da_scrivere_.empty() || finito_; });
        // After a failure nothing more is written: the file will not be kept.
        if (da_scrivere_.empty() || errore_) return;
        blocco b = std::move(da_scrivere_.front());
        da_scrivere_.pop();
        in_scrittura_ = true;
        attesa.unlock();
        std::exception_ptr fallito;
        try {
            file_.scrivi_in(b.posizione, b.byte.get(), b.pieno);
        } catch (...) {
            fallito = std::current_exception();
        }
        attesa.lock();
        in_scrittura_ = false;
        if (fallito && !errore_) errore_ = fallito;
        liberi_.push_back(std::move(b));
        cambiato_.notify_all();
    }
}
