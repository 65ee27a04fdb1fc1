#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The documents the editor has open: their text as the editor holds it (UTF-8), which wins
// over the file on disk until the editor closes them.
struct buffer_aperto {
    std::string uri;
    std::string percorso;  // empty when the URI names no local file
    std::string lingua;    // the editor's languageId
    std::int64_t versione = 0;
    std::string testo;
};

// A change as the protocol sends it: a range in lines and UTF-16 columns, or the whole text.
struct modifica_testo {
    struct posizione {
        std::size_t riga = 0;
        std::size_t colonna = 0;
    };
    std::optional<std::pair<posizione, posizione>> intervallo;  // none: replaces everything
    std::string testo;
};

class buffer_aperti {
  public:
    void apri(buffer_aperto buffer);
    void chiudi(const std::string& uri);
    // Applies one change to an open document; false when it is not open.
    bool modifica(const std::string& uri, std::int64_t versione, const modifica_testo& modifica);

    const buffer_aperto* per_uri(const std::string& uri) const;
    const buffer_aperto* per_percorso(std::string_view percorso) const;
    const std::map<std::string, buffer_aperto>& tutti() const { return buffer_; }

    // Bytes the open texts hold, capacity included: what the server keeps for them.
    std::size_t byte_occupati() const;

  private:
    std::map<std::string, buffer_aperto> buffer_;
};
