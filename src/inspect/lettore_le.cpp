#include "inspect/lettore_le.h"

#include <cstring>

formato_errato::formato_errato(const std::string& record, std::size_t byte,
                               const std::string& problema)
    : guasto(record + ", byte " + std::to_string(byte) + ": " + problema) {}

const unsigned char* lettore_le::prendi(std::size_t n, std::string_view campo) {
    if (restanti() < n) {
        fallisci(posizione_, "il file finisce dentro il campo " + std::string(campo) +
                                 " (servono " + std::to_string(n) + " byte, ne restano " +
                                 std::to_string(restanti()) + ")");
    }
    const auto* p = reinterpret_cast<const unsigned char*>(dati_.data()) + posizione_;
    posizione_ += n;
    return p;
}

std::uint8_t lettore_le::u8(std::string_view campo) {
    return *prendi(1, campo);
}

std::uint16_t lettore_le::u16(std::string_view campo) {
    const unsigned char* p = prendi(2, campo);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int32_t lettore_le::i32(std::string_view campo) {
    const unsigned char* p = prendi(4, campo);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return static_cast<std::int32_t>(v);
}

double lettore_le::f64(std::string_view campo) {
    const unsigned char* p = prendi(8, campo);
    std::uint64_t bit = 0;
    for (int i = 7; i >= 0; --i) bit = (bit << 8) | p[i];
    double v = 0;
    std::memcpy(&v, &bit, sizeof v);
    return v;
}

std::string lettore_le::byte(std::size_t n, std::string_view campo) {
    const unsigned char* p = prendi(n, campo);
    return std::string(reinterpret_cast<const char*>(p), n);
}

void lettore_le::fallisci(std::size_t byte, const std::string& problema) const {
    throw formato_errato(record_, byte, problema);
}
