#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/guasto.h"
#include "platform/file_cartella.h"

// A run stopped dead, as by kill -9: not a std::exception, so no handler of the program
// catches it, and after it nothing more reaches the disk.
struct morte_simulata {};

// The system's file operations, of which chosen steps (counting every creation, write,
// close, rename, link and removal) fail as the disk would, or are where the run is killed.
class operazioni_guaste : public operazioni_file {
  public:
    enum class esito { fallisce, uccide };
    static constexpr long mai = -1;

    explicit operazioni_guaste(long punto = mai, esito e = esito::fallisce,
                               bool senza_collegamenti = false)
        : operazioni_guaste(std::map<long, esito>{{punto, e}}, senza_collegamenti) {}
    explicit operazioni_guaste(std::map<long, esito> punti, bool senza_collegamenti)
        : vere_(operazioni_di_sistema()),
          punti_(std::move(punti)),
          senza_collegamenti_(senza_collegamenti) {}

    long passi() const { return passi_; }
    bool colpito() const { return colpito_; }
    // Whether the step hit was a removal: what it would have removed is still there.
    bool colpita_cancellazione() const { return cancellazione_; }

    std::unique_ptr<file_in_scrittura> crea_nuovo(const std::string& percorso,
                                                  const std::string& nome) override {
        passo("creare", percorso);
        auto vero = vere_.crea_nuovo(percorso, nome);
        if (!vero) return nullptr;
        return std::make_unique<file_guasto>(*this, std::move(vero), nome);
    }
    tipo tipo_di(const std::string& percorso) override {
        vivo();
        return vere_.tipo_di(percorso);
    }
    void rinomina(const std::string& da, const std::string& a) override {
        passo("sostituire", a);
        vere_.rinomina(da, a);
    }
    bool collega(const std::string& esistente, const std::string& nuovo) override {
        passo("conservare", esistente);
        return !senza_collegamenti_ && vere_.collega(esistente, nuovo);
    }
    // Destructors tidy up with it, and may not throw: a kill here only stops the disk.
    void cancella(const std::string& percorso) override {
        if (morto_) return;
        const auto punto = punti_.find(passi_);
        if (punto != punti_.end() && punto->second == esito::uccide) {
            ++passi_;
            colpito_ = morto_ = true;
            return;
        }
        if (punto != punti_.end()) cancellazione_ = true;
        passo("cancellare", percorso);
        vere_.cancella(percorso);
    }
    std::vector<std::string> elenca(const std::string& cartella) override {
        vivo();
        return vere_.elenca(cartella);
    }
    std::string leggi(const std::string& percorso) override {
        vivo();
        return vere_.leggi(percorso);
    }

  private:
    class file_guasto : public file_in_scrittura {
      public:
        file_guasto(operazioni_guaste& op, std::unique_ptr<file_in_scrittura> vero,
                    std::string nome)
            : op_(op), vero_(std::move(vero)), nome_(std::move(nome)) {}
        void scrivi(const void* dati, std::size_t n) override {
            op_.passo("scrivere", nome_);
            vero_->scrivi(dati, n);
        }
        void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
            op_.passo("scrivere", nome_);
            vero_->scrivi_in(posizione, dati, n);
        }
        void chiudi() override {
            op_.passo("scrivere", nome_);
            vero_->chiudi();
        }

      private:
        operazioni_guaste& op_;
        std::unique_ptr<file_in_scrittura> vero_;
        std::string nome_;
    };

    void vivo() const {
        if (morto_) throw morte_simulata{};
    }
    void passo(const char* cosa, const std::string& percorso) {
        vivo();
        const auto punto = punti_.find(passi_++);
        if (punto == punti_.end()) return;
        colpito_ = true;
        if (punto->second == esito::uccide) {
            morto_ = true;
            throw morte_simulata{};
        }
        throw guasto(std::string("impossibile ") + cosa + " " + percorso + ": guasto simulato");
    }

    operazioni_file& vere_;
    std::map<long, esito> punti_;
    bool senza_collegamenti_;
    long passi_ = 0;
    bool colpito_ = false;
    bool cancellazione_ = false;
    bool morto_ = false;
};
