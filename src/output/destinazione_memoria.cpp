#include "output/destinazione_memoria.h"

#include <cstring>

class destinazione_memoria::flusso : public flusso_uscita {
  public:
    explicit flusso(std::string nome) : nome_(std::move(nome)) {}
    using flusso_uscita::scrivi;
    void scrivi(const void* dati, std::size_t n) override {
        byte_.append(static_cast<const char*>(dati), n);
    }
    void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
        const auto inizio = static_cast<std::size_t>(posizione);
        if (byte_.size() < inizio + n) byte_.resize(inizio + n);
        std::memcpy(byte_.data() + inizio, dati, n);
    }
    const std::string& nome() const { return nome_; }
    std::string& byte() { return byte_; }

  private:
    std::string nome_;
    std::string byte_;
};

destinazione_memoria::destinazione_memoria() = default;
destinazione_memoria::~destinazione_memoria() = default;

flusso_uscita& destinazione_memoria::apri(const std::string& nome) {
    aperti_.push_back(std::make_unique<flusso>(nome));
    return *aperti_.back();
}

void destinazione_memoria::conferma() {
    for (const auto& f : aperti_) confermati_[f->nome()] = std::move(f->byte());
    aperti_.clear();
}
