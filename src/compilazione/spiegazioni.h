#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "source_text/descrizione_campi.h"

// The long explanation of one error number, with lines that get it and lines that do not.
struct spiegazione_errore {
    std::int32_t numero;
    std::string_view titolo;     // one line, what it means
    std::string_view testo;      // why it happens and how to fix it (UTF-8, paragraphs)
    sorgente file;               // the file the example lines belong to
    std::string_view sbagliato;  // lines that get the error, '\n' between them
    std::string_view corretto;   // the same lines, fixed
    // Whether the lines show the error on their own, in an otherwise empty scenario of 12 km
    // (a missing file or a table full of stations cannot be shown in a few lines).
    bool esempio_autonomo;
};

// The long explanation of one warning, by the name -Wno-NAME takes.
struct spiegazione_avviso {
    std::string_view nome;
    std::string_view titolo;
    std::string_view testo;
    sorgente file;
    std::string_view sbagliato;  // empty when no line shows it (an encoding)
    std::string_view corretto;
    // Whether the lines show it on their own, after "[generale]" (and, in the line file, a
    // 12 km general section): a whole file without it or an empty one cannot be shown so.
    bool esempio_autonomo;
};

// Every warning's explanation, in the order `spiega avvisi` lists them.
std::span<const spiegazione_avviso> spiegazioni_degli_avvisi();

// Every error number's explanation, ascending.
std::span<const spiegazione_errore> spiegazioni_errori();

// What `compila_scenario spiega ARG` prints: the explanation of an error number ("8"), of a
// warning by its name ("NAME" or "-WNAME"), the list of warnings ("avvisi"), or the
// reference of a keyword ("stazione").
// None when ARG is none of these.
std::optional<std::string> spiegazione(std::string_view numero_o_nome);
