#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/buffer_aperti.h"

// The language server's state and its dispatch: every message in, the messages to send
// back out, in order. Diagnostics are published as soon as a change has been compiled.
class server_lsp {
  public:
    // One message body as it came off the wire; malformed JSON gets an error response.
    std::vector<nlohmann::json> gestisci_corpo(std::string_view corpo);
    std::vector<nlohmann::json> gestisci(const nlohmann::json& messaggio);

    // The client sent "exit": the process ends with this status.
    bool uscito() const { return uscito_; }
    int stato_uscita() const { return chiusura_richiesta_ ? 0 : 1; }

    const buffer_aperti& buffer() const { return buffer_; }

  private:
    using uscite = std::vector<nlohmann::json>;

    nlohmann::json richiesta(const std::string& metodo, const nlohmann::json& parametri);
    void notifica(const std::string& metodo, const nlohmann::json& parametri, uscite& uscita);

    nlohmann::json inizializza(const nlohmann::json& parametri);
    nlohmann::json hover(const nlohmann::json& parametri) const;
    nlohmann::json firma(const nlohmann::json& parametri) const;
    nlohmann::json completamento(const nlohmann::json& parametri) const;
    nlohmann::json simboli(const nlohmann::json& parametri) const;

    void apri(const nlohmann::json& parametri, uscite& uscita);
    void modifica(const nlohmann::json& parametri, uscite& uscita);
    void chiudi(const nlohmann::json& parametri, uscite& uscita);
    void pubblica_diagnostiche(const std::string& uri, uscite& uscita) const;

    buffer_aperti buffer_;
    bool inizializzato_ = false;
    bool chiusura_richiesta_ = false;
    bool uscito_ = false;
};
