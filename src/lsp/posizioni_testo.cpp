#include "lsp/posizioni_testo.h"

namespace {

bool fine_riga(char c) {
    return c == '\r' || c == '\n';
}

// The byte after the line end that starts at `i`.
std::size_t dopo_fine_riga(std::string_view testo, std::size_t i) {
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') return i + 2;
    return i + 1;
}

std::size_t inizio_riga(std::string_view testo, std::size_t riga) {
    std::size_t i = 0;
    for (std::size_t r = 0; r < riga; ++r) {
        while (i < testo.size() && !fine_riga(testo[i])) ++i;
        if (i == testo.size()) return i;
        i = dopo_fine_riga(testo, i);
    }
    return i;
}

// Bytes of the UTF-8 sequence that starts with `b`; a stray byte counts as one.
std::size_t lunghezza_sequenza(unsigned char b) {
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// UTF-16 units of the character whose sequence is `n` bytes long.
std::size_t unita_utf16(std::size_t n) {
    return n == 4 ? 2 : 1;
}

}  // namespace

std::string_view riga_di(std::string_view testo, std::size_t riga) {
    const std::size_t inizio = inizio_riga(testo, riga);
    std::size_t fine = inizio;
    while (fine < testo.size() && !fine_riga(testo[fine])) ++fine;
    return testo.substr(inizio, fine - inizio);
}

std::size_t byte_della_posizione(std::string_view testo, std::size_t riga, std::size_t colonna) {
    const std::size_t inizio = inizio_riga(testo, riga);
    const std::string_view resto = testo.substr(inizio);
    std::size_t fine = 0;
    while (fine < resto.size() && !fine_riga(resto[fine])) ++fine;
    return inizio + byte_da_utf16(resto.substr(0, fine), colonna);
}

std::size_t byte_da_utf16(std::string_view riga, std::size_t colonna) {
    std::size_t i = 0;
    std::size_t unita = 0;
    while (i < riga.size() && unita < colonna) {
        const std::size_t n = lunghezza_sequenza(static_cast<unsigned char>(riga[i]));
        unita += unita_utf16(n);
        i += n;
    }
    return i < riga.size() ? i : riga.size();
}

std::size_t utf16_da_byte(std::string_view riga, std::size_t byte) {
    std::size_t i = 0;
    std::size_t unita = 0;
    while (i < riga.size() && i < byte) {
        const std::size_t n = lunghezza_sequenza(static_cast<unsigned char>(riga[i]));
        unita += unita_utf16(n);
        i += n;
    }
    return unita;
}

std::size_t utf16_da_colonna_1252(std::string_view riga, std::int32_t colonna) {
    std::size_t i = 0;
    std::size_t unita = 0;
    for (std::int32_t c = 1; i < riga.size() && (colonna <= 0 || c < colonna); ++c) {
        const std::size_t n = lunghezza_sequenza(static_cast<unsigned char>(riga[i]));
        unita += unita_utf16(n);
        i += n;
    }
    return unita;
}
