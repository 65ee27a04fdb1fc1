#pragma once

#include <span>
#include <string_view>

// The names of the warnings and notes, as -Wno-NAME and `spiega` take them.
namespace avvisi {
inline constexpr std::string_view parola_sconosciuta = "parola-sconosciuta";
inline constexpr std::string_view sezione_sbagliata = "sezione-sbagliata";
inline constexpr std::string_view numero_valori = "numero-valori";
inline constexpr std::string_view nome_stazione = "nome-stazione";
inline constexpr std::string_view ordine = "ordine";
inline constexpr std::string_view curve_sovrapposte = "curve-sovrapposte";
inline constexpr std::string_view negativo = "negativo";
inline constexpr std::string_view fuori_passo = "fuori-passo";
inline constexpr std::string_view bit_bassi = "bit-bassi";
inline constexpr std::string_view generale_mancante = "generale-mancante";
inline constexpr std::string_view file_vuoto = "file-vuoto";
inline constexpr std::string_view non_raggiunto = "non-raggiunto";
inline constexpr std::string_view utf16_senza_bom = "utf16-senza-bom";
inline constexpr std::string_view codifica = "codifica";

// Every name, in the order the guide lists them.
std::span<const std::string_view> tutti();
}  // namespace avvisi
