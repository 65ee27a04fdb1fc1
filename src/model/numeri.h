#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "model/guasto.h"

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double arrotonda(double x) {
    const double giu = std::floor(x);
    const double resto = x - giu;
    if (resto > 0.5) return giu + 1;
    if (resto < 0.5) return giu;
    return std::fmod(giu, 2.0) == 0.0 ? giu : giu + 1;
}

// Rounds half to even into an integer of type T; a result outside T is a fault.
template <typename T>
T arrotonda_in(double x) {
    const double r = arrotonda(x);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw guasto("il valore " + std::to_string(x) + " non sta nel campo");
    }
    return static_cast<T>(r);
}

// Narrowing an integer keeps its low bits.
inline std::int16_t basso16(std::int64_t v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF));
}
inline std::uint8_t basso8(std::int64_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
inline std::int32_t basso32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v & 0xFFFFFFFF));
}

// Cell of a point feature (signal, board): cell k + 1 holds an object at 50 * k metres.
inline std::int64_t cella_di(std::int64_t posizione) {
    return static_cast<std::int64_t>(arrotonda(static_cast<double>(posizione) / 50.0 + 1.0));
}

// Cell of a fill position (gradient, speed limit, adhesion, reduction).
inline std::int64_t indice_di(std::int64_t posizione) {
    return static_cast<std::int64_t>(arrotonda(static_cast<double>(posizione) / 50.0));
}
