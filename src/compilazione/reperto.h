#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "compilazione/sorgente.h"

enum class livello_reperto : std::uint8_t { errore, avviso, nota };

// One finding of a compilation, as a value: what it is, where it comes from, what it says.
struct reperto {
    livello_reperto livello = livello_reperto::errore;
    std::int32_t numero = 0;  // the error number; 0 for a warning or note without one
    std::string nome;         // a warning's name, as -Wno-NAME takes it; empty for errors
    sorgente file = sorgente::nessuna;
    std::int32_t riga = 0;     // 1-based; 0 when no single line raised it
    std::int32_t colonna = 0;  // 1-based byte column in the line; 0 when none
    std::string testo_riga;    // the source line as read (Windows-1252), for the caret
    std::optional<std::int32_t> posizione;  // metres, when the finding names one
    std::string messaggio;                  // what it says, UTF-8

    bool operator==(const reperto&) const = default;
};
