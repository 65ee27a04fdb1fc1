#pragma once

#include <cstdint>
#include <string>

// How the stored values read in real units.

// "3750 m"
std::string in_metri(std::int64_t metri);
// A time of day in seconds as "06:20:54": two digits for the hours, more past 99.
std::string in_ore(std::int64_t secondi);
std::string in_ore(std::int64_t ore, std::int64_t minuti, std::int64_t secondi);

// A cell's speed limit is stored in steps of 5 km/h.
inline int kmh_di(std::uint8_t vel_limite) {
    return vel_limite * 5;
}
// "90 km/h"
std::string in_kmh(std::int64_t kmh);

// A cell's gradient is stored with 100 added.
inline int permille_di(std::uint8_t pendenza) {
    return pendenza - 100;
}
// "+5 ‰", "0 ‰", "-8 ‰"
std::string in_permille(std::int64_t permille);
