#include "inspect/testo_1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F; the five bytes the code page leaves undefined keep
// their own value, as the usual converters do.
constexpr std::array<char32_t, 32> alti_1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void aggiungi_utf8(std::string& uscita, char32_t c) {
    auto byte = [&](std::uint32_t v) { uscita.push_back(static_cast<char>(v)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string da_1252_a_utf8(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (const char ch : testo) {
        const auto b = static_cast<unsigned char>(ch);
        aggiungi_utf8(uscita, b >= 0x80 && b < 0xA0 ? alti_1252[b - 0x80] : char32_t{b});
    }
    return uscita;
}
