#pragma once

#include <cstdint>

// One 50 m stretch of track: the object standing in it and the track data under it.
struct cella {
    std::uint8_t tipo = 0;
    std::int16_t valore_1 = 0;
    std::int16_t valore_2 = 0;
    std::int16_t valore_3 = 0;
    std::int16_t valore_4 = 0;
    std::uint8_t tempo = 0;
    std::uint8_t preavviso = 0;
    std::uint8_t montagna = 0;
    std::uint8_t vel_limite = 0;
    std::uint8_t pendenza = 0;
    std::uint8_t aderenza = 0;

    bool operator==(const cella&) const = default;
};

// Object kinds a cell can hold.
namespace tipo_cella {
inline constexpr std::uint8_t nessuno = 0;
inline constexpr std::uint8_t segnale = 1;
inline constexpr std::uint8_t fine_rallentamento = 2;
inline constexpr std::uint8_t inizio_rallentamento = 3;
inline constexpr std::uint8_t avviso_rallentamento = 4;
inline constexpr std::uint8_t preavviso_rallentamento = 5;
inline constexpr std::uint8_t indicatore_vmax = 6;
inline constexpr std::uint8_t fermata_stazione = 10;
inline constexpr std::uint8_t marcatore_montagna = 11;
inline constexpr std::uint8_t abbattimento = 12;
inline constexpr std::uint8_t abbattimento_senza_valore = 13;
inline constexpr std::uint8_t cartello_indicatore = 14;
}  // namespace tipo_cella

// A scenery marker is the one object that another may replace.
inline bool cella_libera(const cella& c) {
    return c.tipo == tipo_cella::nessuno || c.tipo == tipo_cella::marcatore_montagna;
}
