#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "compilazione/reperto.h"

// What the readers take for a value.
enum class larghezza_valore : std::uint8_t { byte, intero16, intero32, testo };

// One value of a keyword line, as an author writes it and as the compiler uses it.
struct descrizione_valore {
    std::string_view nome;  // short name, as the guide and the editor show it
    larghezza_valore larghezza;
    std::string_view unita;  // "m", "km/h", "‰", "s", ""...
    std::int64_t minimo;  // the range the compiler stores as written, without a fault or a finding
    std::int64_t massimo;
    std::string_view effetto;      // what it does in the compiled scenario (UTF-8, one paragraph)
    std::string_view fuori_campo;  // what a value outside minimo..massimo gets (UTF-8)
};

// One keyword of a scenario file: the word an author writes first on the line, the values
// after it in line order, and what the line does.
struct descrizione_parola_chiave {
    std::string_view parola;   // as the guide writes it, e.g. "lunghezza percorso"
    sorgente file;             // the file it belongs to
    std::string_view sezione;  // the usual section header, e.g. "[generale]"
    std::span<const descrizione_valore> valori;
    std::string_view descrizione;  // what the line does (UTF-8)
    std::string_view esempio;      // a whole correct line
};

// Every keyword of a file, in the order the guide lists them.
std::span<const descrizione_parola_chiave> parole_chiave(sorgente file);

// The keyword a line's first field stands for, by the readers' own tests (in the readers'
// order: the first test the field passes); none when the field is no keyword of that file,
// holds a hyphen (the readers pass over it), or is a curve keyword without a grade digit
// (which the reader rejects with error 103).
const descrizione_parola_chiave* parola_chiave_di(sorgente file, std::string_view primo_campo);

// What the compiler stores for value number `indice` (0-based, after the keyword) when the
// author writes `valore`: a position's cell, a speed in 5 km/h steps, a time as hh:mm:ss...
// Empty when the value is stored as written.
std::string valore_memorizzato(const descrizione_parola_chiave& parola, std::size_t indice,
                               std::int64_t valore);

// The same, knowing the line's numbers in line order (`numeri[i]` is value i; a text value
// and the values after the last number are simply absent). Values that act together are
// then told whole: a station's timetable as hh:mm:ss, its stop zone, a board's speed pair.
std::string valore_memorizzato(const descrizione_parola_chiave& parola, std::size_t indice,
                               std::span<const std::int64_t> numeri);

// "byte", "16-bit", "32-bit" or "text", as the guide and the editor name a width.
std::string_view nome_larghezza(larghezza_valore larghezza);
