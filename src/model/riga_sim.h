#pragma once

#include <cstdint>
#include <string>

// One row of the station table: a station, a direction-board text or header values.
struct riga_sim {
    std::uint8_t tipo = 0;
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::int32_t posizione = 0;
    std::uint8_t dato_4 = 0;
    std::string nome;  // Windows-1252 bytes
    std::int16_t dato_7 = 0;
    std::int16_t dato_8 = 0;
    std::int16_t dato_10 = 0;
    std::int16_t dato_11 = 0;
    std::int16_t dato_12 = 0;
    std::uint8_t dato_9 = 0;
    std::uint8_t dato_13 = 0;
    std::uint8_t dato_6 = 0;
    std::uint8_t dato_5 = 0;
    std::int32_t orario = 0;

    bool operator==(const riga_sim&) const = default;
};

inline constexpr int righe_tabella_sim = 87;
