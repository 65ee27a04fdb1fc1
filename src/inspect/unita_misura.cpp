#include "inspect/unita_misura.h"

#include <cstdio>
#include <cstdlib>

std::string in_metri(std::int64_t metri) {
    return std::to_string(metri) + " m";
}

std::string in_ore(std::int64_t ore, std::int64_t minuti, std::int64_t secondi) {
    char testo[64];
    std::snprintf(testo, sizeof testo, "%02lld:%02lld:%02lld", static_cast<long long>(ore),
                  static_cast<long long>(minuti), static_cast<long long>(secondi));
    return testo;
}

std::string in_ore(std::int64_t secondi) {
    const std::int64_t s = std::llabs(secondi);
    std::string testo = in_ore(s / 3600, s / 60 % 60, s % 60);
    if (secondi < 0) testo.insert(testo.begin(), '-');
    return testo;
}

std::string in_kmh(std::int64_t kmh) {
    return std::to_string(kmh) + " km/h";
}

std::string in_permille(std::int64_t permille) {
    std::string testo = std::to_string(permille) + " \u2030";
    if (permille > 0) testo.insert(testo.begin(), '+');
    return testo;
}
