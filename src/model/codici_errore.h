#pragma once

#include <cstdint>

// The numbers of the validation findings and of the two header conflicts.
namespace errori {
inline constexpr std::int32_t lunghezza_percorso = 1;
inline constexpr std::int32_t progressive_non_multiple = 2;
inline constexpr std::int32_t inizio_ripetizione = 3;
inline constexpr std::int32_t fine_ripetizione = 4;
inline constexpr std::int32_t codici_ripetizione = 5;
inline constexpr std::int32_t cartello_occupato = 6;
inline constexpr std::int32_t abbattimento_occupato = 7;
inline constexpr std::int32_t stazione_fuori_passo = 8;
inline constexpr std::int32_t lunghezza_stazione = 9;
inline constexpr std::int32_t troppe_stazioni = 10;
inline constexpr std::int32_t abbattimento_segnale = 11;
inline constexpr std::int32_t abbattimento_prima_rallentamento = 12;
inline constexpr std::int32_t abbattimento_nel_rallentamento = 13;
inline constexpr std::int32_t fuori_linea = 15;
inline constexpr std::int32_t segnale_occupato = 16;
inline constexpr std::int32_t avviso_rallentamento_occupato = 17;
inline constexpr std::int32_t inizio_rallentamento_occupato = 18;
inline constexpr std::int32_t fine_rallentamento_occupato = 19;
inline constexpr std::int32_t preavviso_rallentamento_occupato = 20;
inline constexpr std::int32_t indicatore_occupato = 21;
inline constexpr std::int32_t stazioni_vicine = 22;
inline constexpr std::int32_t fermata_iniziale = 24;
inline constexpr std::int32_t dato_illeggibile = 25;
inline constexpr std::int32_t linea_mancante = 101;
inline constexpr std::int32_t generale_mancante = 102;
inline constexpr std::int32_t curva_errata = 103;
inline constexpr std::int32_t intestazione_occupata = 1250;
inline constexpr std::int32_t codice_controllo_occupato = 1251;
}  // namespace errori
