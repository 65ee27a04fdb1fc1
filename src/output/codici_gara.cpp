// The two check codes, from the train number and the line name.
#include <cstdint>
#include <string>

#include "model/form1.h"

namespace {

constexpr const char* riempitivo = "bbccddffgghhllmmnnpprrsstt";
constexpr int caratteri_contati = 25;

// Lower case in Windows-1252: ASCII, the accented capitals and the four odd pairs.
unsigned char minuscola_1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x8A:
        case 0x8C:
        case 0x8E:
            return c + 0x10;
        case 0x9F:
            return 0xFF;
        default:
            return c;
    }
}

// Train number, then line name, lower-cased, then the filler: the text both codes sum.
std::string testo_di_controllo(Form1& f) {
    std::string w = f.riga(86).nome + f.riga(85).nome;
    for (char& c : w) c = static_cast<char>(minuscola_1252(static_cast<unsigned char>(c)));
    w += riempitivo;
    f.riga_letta = w;
    return w;
}

}  // namespace

std::int16_t Form1::codice_gara_og() {
    const std::string w = testo_di_controllo(*this);
    std::int16_t somma = 0;
    for (int i = 0; i < caratteri_contati; ++i) {
        somma = static_cast<std::int16_t>(
            somma + static_cast<unsigned char>(w[static_cast<std::size_t>(i)]));
    }
    return somma;
}

std::int32_t Form1::codice_gara_st() {
    const std::string w = testo_di_controllo(*this);
    std::int32_t somma = 0;
    for (int i = 0; i < caratteri_contati; ++i) {
        somma += (i + 1) * static_cast<unsigned char>(w[static_cast<std::size_t>(i)]);
    }
    return somma;
}
