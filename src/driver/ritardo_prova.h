#pragma once

#include <chrono>
#include <optional>
#include <string_view>

// For the tests that look at the window: `--ritardo-prova MS` keeps it up MS milliseconds
// before the work starts. Not in the help: nobody else needs it.
inline constexpr std::string_view opzione_ritardo_prova = "--ritardo-prova";
inline constexpr const char* uso_ritardo_prova =
    "l'opzione '--ritardo-prova' vuole i millisecondi (da 0 a 60000)";

// The milliseconds of the option, when they are a whole number from 0 to 60000.
std::optional<std::chrono::milliseconds> leggi_ritardo(std::string_view testo);
