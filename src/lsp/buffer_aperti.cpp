#include "lsp/buffer_aperti.h"

#include <algorithm>

#include "lsp/posizioni_testo.h"

void buffer_aperti::apri(buffer_aperto buffer) {
    const std::string uri = buffer.uri;
    buffer_.insert_or_assign(uri, std::move(buffer));
}

void buffer_aperti::chiudi(const std::string& uri) {
    buffer_.erase(uri);
}

bool buffer_aperti::modifica(const std::string& uri, std::int64_t versione,
                             const modifica_testo& modifica) {
    const auto trovato = buffer_.find(uri);
    if (trovato == buffer_.end()) return false;
    buffer_aperto& b = trovato->second;
    b.versione = versione;
    if (!modifica.intervallo) {
        b.testo = modifica.testo;
        return true;
    }
    const auto& [da, a] = *modifica.intervallo;
    const std::size_t inizio = byte_della_posizione(b.testo, da.riga, da.colonna);
    const std::size_t fine = std::max(inizio, byte_della_posizione(b.testo, a.riga, a.colonna));
    b.testo.replace(inizio, fine - inizio, modifica.testo);
    return true;
}

const buffer_aperto* buffer_aperti::per_uri(const std::string& uri) const {
    const auto trovato = buffer_.find(uri);
    return trovato == buffer_.end() ? nullptr : &trovato->second;
}

const buffer_aperto* buffer_aperti::per_percorso(std::string_view percorso) const {
    for (const auto& [uri, b] : buffer_) {
        if (!b.percorso.empty() && b.percorso == percorso) return &b;
    }
    return nullptr;
}

std::size_t buffer_aperti::byte_occupati() const {
    std::size_t n = 0;
    for (const auto& [uri, b] : buffer_) n += b.testo.capacity() + uri.capacity();
    return n;
}
