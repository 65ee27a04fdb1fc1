#include "source_text/decodifica_sorgente.h"

#include "source_text/codifica_1252.h"

namespace {

constexpr std::string_view bom_utf8 = "\xEF\xBB\xBF";

bool ha_bom_utf16(std::string_view b, bool& big_endian) {
    if (b.size() < 2) return false;
    const auto b0 = static_cast<unsigned char>(b[0]);
    const auto b1 = static_cast<unsigned char>(b[1]);
    if (b0 == 0xFF && b1 == 0xFE) {
        big_endian = false;
        return true;
    }
    if (b0 == 0xFE && b1 == 0xFF) {
        big_endian = true;
        return true;
    }
    return false;
}

// Valid UTF-8 with at least one character beyond ASCII.
bool utf8_con_multibyte(std::string_view b) {
    bool multibyte = false;
    for (std::size_t i = 0; i < b.size();) {
        if (static_cast<unsigned char>(b[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t n = decodifica_utf8(b, i, c);
        if (n == 0) return false;
        multibyte = true;
        i += n;
    }
    return multibyte;
}

// Builds the Windows-1252 text character by character, counting lines and columns as the
// field reader does (CR LF, LF or CR ends a line).
class convertitore {
  public:
    explicit convertitore(std::size_t capacita) { testo_.reserve(capacita); }

    // False when the character has no Windows-1252 byte: the conversion stops there.
    bool aggiungi(char32_t c, std::size_t offset) {
        if (cr_ && c != '\n') {
            // A CR not followed by LF ended a line of its own.
            ++riga_;
            colonna_ = 1;
            inizio_riga_ = testo_.size();
        }
        cr_ = false;
        const std::optional<unsigned char> b = byte_1252(c);
        if (!b) {
            // The line up to it, the character shown as '?'.
            estraneo_ = carattere_estraneo{riga_, colonna_, c, testo_.substr(inizio_riga_) + "?"};
            return false;
        }
        testo_ += static_cast<char>(*b);
        origine_.push_back(static_cast<std::uint32_t>(offset));
        if (c == '\n') {
            ++riga_;
            colonna_ = 1;
            inizio_riga_ = testo_.size();
        } else if (c == '\r') {
            cr_ = true;
        } else {
            ++colonna_;
        }
        return true;
    }

    testo_decodificato fine(std::string_view codifica, std::size_t fine_originale) {
        testo_decodificato t;
        if (estraneo_) {
            t.estraneo = estraneo_;
            return t;
        }
        origine_.push_back(static_cast<std::uint32_t>(fine_originale));
        t.convertito = std::move(testo_);
        t.origine = std::move(origine_);
        t.codifica = codifica;
        return t;
    }

  private:
    std::string testo_;
    std::vector<std::uint32_t> origine_;
    std::optional<carattere_estraneo> estraneo_;
    std::int32_t riga_ = 1;
    std::int32_t colonna_ = 1;
    std::size_t inizio_riga_ = 0;
    bool cr_ = false;
};

testo_decodificato da_utf8(std::string_view b, std::size_t salto) {
    convertitore c(b.size());
    for (std::size_t i = salto; i < b.size();) {
        char32_t car = 0;
        std::size_t n = decodifica_utf8(b, i, car);
        if (n == 0) {
            // Not UTF-8 after all: the byte stands for its Windows-1252 character.
            car = static_cast<unsigned char>(b[i]);
            n = 1;
        }
        if (!c.aggiungi(car, i)) break;
        i += n;
    }
    return c.fine("UTF-8", b.size());
}

testo_decodificato da_utf16(std::string_view b, std::size_t salto, bool big_endian) {
    convertitore c(b.size() / 2);
    auto unita = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(b[i]);
        const auto z = static_cast<unsigned char>(b[i + 1]);
        return big_endian ? (a << 8 | z) : (z << 8 | a);
    };
    for (std::size_t i = salto; i + 1 < b.size();) {
        char32_t car = unita(i);
        std::size_t n = 2;
        if (car >= 0xD800 && car <= 0xDBFF && i + 3 < b.size()) {
            const char32_t basso = unita(i + 2);
            if (basso >= 0xDC00 && basso <= 0xDFFF) {
                car = 0x10000 + ((car - 0xD800) << 10) + (basso - 0xDC00);
                n = 4;
            }
        }
        if (!c.aggiungi(car, i)) break;
        i += n;
    }
    return c.fine(big_endian ? "UTF-16BE" : "UTF-16LE", b.size());
}

// Without a byte-order mark, the order whose high bytes hold the NULs of ASCII text.
bool sembra_big_endian(std::string_view b) {
    std::size_t pari = 0, dispari = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\0') ++(i % 2 == 0 ? pari : dispari);
    }
    return pari > dispari;
}

testo_decodificato cosi_come(std::string_view b) {
    testo_decodificato t;
    t.nul_senza_bom = b.find('\0') != std::string_view::npos;
    return t;
}

}  // namespace

std::optional<codifica_sorgente> codifica_di_nome(std::string_view nome) {
    if (nome == "auto") return codifica_sorgente::automatica;
    if (nome == "cp1252") return codifica_sorgente::cp1252;
    if (nome == "utf-8") return codifica_sorgente::utf8;
    if (nome == "utf-16") return codifica_sorgente::utf16;
    return std::nullopt;
}

std::size_t testo_decodificato::offset_originale(std::size_t i) const {
    if (origine.empty()) return i;
    return origine[i < origine.size() ? i : origine.size() - 1];
}

testo_decodificato decodifica_sorgente(std::string_view byte, codifica_sorgente codifica) {
    bool big_endian = false;
    const bool bom16 = ha_bom_utf16(byte, big_endian);
    const bool bom8 = byte.starts_with(bom_utf8);
    switch (codifica) {
        case codifica_sorgente::cp1252:
            return cosi_come(byte);
        case codifica_sorgente::utf8:
            return da_utf8(byte, bom8 ? bom_utf8.size() : 0);
        case codifica_sorgente::utf16:
            if (!bom16) big_endian = sembra_big_endian(byte);
            return da_utf16(byte, bom16 ? 2 : 0, big_endian);
        case codifica_sorgente::automatica:
            break;
    }
    if (bom16) return da_utf16(byte, 2, big_endian);
    if (bom8) return da_utf8(byte, bom_utf8.size());
    if (utf8_con_multibyte(byte)) return da_utf8(byte, 0);
    return cosi_come(byte);
}
