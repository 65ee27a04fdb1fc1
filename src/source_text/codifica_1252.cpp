#include "source_text/codifica_1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> alti_1252{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t carattere_di(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char32_t c = alti_1252[b - 0x80];
        return c == 0 ? b : c;
    }
    return b;
}

int byte_di(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < alti_1252.size(); ++i) {
        if (alti_1252[i] == c) return static_cast<int>(0x80 + i);
    }
    return '?';
}

void aggiungi_utf8(std::string& uscita, char32_t c) {
    if (c < 0x80) {
        uscita += static_cast<char>(c);
    } else if (c < 0x800) {
        uscita += static_cast<char>(0xC0 | (c >> 6));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        uscita += static_cast<char>(0xE0 | (c >> 12));
        uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uscita += static_cast<char>(0xF0 | (c >> 18));
        uscita += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::optional<unsigned char> byte_1252(char32_t c) {
    if (c > 0xFF) {
        for (std::size_t i = 0; i < alti_1252.size(); ++i) {
            if (alti_1252[i] == c) return static_cast<unsigned char>(0x80 + i);
        }
        return std::nullopt;
    }
    const auto b = static_cast<unsigned char>(c);
    if (carattere_di(b) == c) return b;
    return std::nullopt;
}

std::size_t decodifica_utf8(std::string_view t, std::size_t i, char32_t& c) {
    const auto b = static_cast<unsigned char>(t[i]);
    std::size_t lunghezza = 0;
    char32_t minimo = 0;
    if (b < 0x80) {
        c = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        lunghezza = 2, c = b & 0x1F, minimo = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        lunghezza = 3, c = b & 0x0F, minimo = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        lunghezza = 4, c = b & 0x07, minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + lunghezza > t.size()) return 0;
    for (std::size_t k = 1; k < lunghezza; ++k) {
        const auto s = static_cast<unsigned char>(t[i + k]);
        if ((s & 0xC0) != 0x80) return 0;
        c = (c << 6) | (s & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return lunghezza;
}

namespace {

std::size_t decodifica(std::string_view t, std::size_t i, char32_t& c) {
    return decodifica_utf8(t, i, c);
}

}  // namespace

std::string utf8_a_1252(std::string_view testo) {
    std::string uscita;
    for (std::size_t i = 0; i < testo.size();) {
        char32_t c = 0;
        const std::size_t n = decodifica(testo, i, c);
        if (n == 0) {
            uscita += testo[i++];
            continue;
        }
        uscita += static_cast<char>(byte_di(c));
        i += n;
    }
    return uscita;
}

std::string testo_1252_a_utf8(std::string_view testo) {
    std::string uscita;
    for (const char b : testo) aggiungi_utf8(uscita, carattere_di(static_cast<unsigned char>(b)));
    return uscita;
}

std::string come_utf8(std::string_view testo) {
    std::string uscita;
    for (std::size_t i = 0; i < testo.size();) {
        char32_t c = 0;
        const std::size_t n = decodifica(testo, i, c);
        if (n == 0) {
            aggiungi_utf8(uscita, carattere_di(static_cast<unsigned char>(testo[i++])));
            continue;
        }
        uscita.append(testo.substr(i, n));
        i += n;
    }
    return uscita;
}
