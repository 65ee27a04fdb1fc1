#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Which source a finding comes from.
enum class sorgente : std::uint8_t { nessuna, file_linea, file_treno };

enum class livello_reperto : std::uint8_t { errore, avviso, nota };

// Where in the sources a finding points.
struct luogo_sorgente {
    sorgente file = sorgente::nessuna;
    std::int32_t riga = 0;     // 1-based; 0 when no single line raised it
    std::int32_t colonna = 0;  // 1-based byte column of the field; 0 when none
    std::string testo_riga;    // the source line as read (Windows-1252), for the caret

    bool operator==(const luogo_sorgente&) const = default;
};

// A finding about a whole file, at no line of it.
inline luogo_sorgente luogo_del_file(sorgente file) {
    return luogo_sorgente{file, 0, 0, {}};
}

// One finding of a compilation, as a value: what it is, where it comes from, what it says.
struct reperto {
    livello_reperto livello = livello_reperto::errore;
    std::int32_t numero = 0;  // the error number; 0 for a warning or note without one
    std::string nome;         // a warning's name, as -Wno-NAME takes it; empty for errors
    luogo_sorgente luogo;
    std::optional<std::int32_t> posizione;  // metres, when the finding names one
    std::string messaggio;                  // what it says, UTF-8

    bool operator==(const reperto&) const = default;
};
