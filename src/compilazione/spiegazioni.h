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

// Every error number's explanation, ascending.
std::span<const spiegazione_errore> spiegazioni_errori();

// What `compila_scenario spiega ARG` prints: the explanation of an error number ("8"), of a
// warning by its name ("NAME" or "-WNAME"), or the reference of a keyword ("stazione").
// None when ARG is none of these.
std::optional<std::string> spiegazione(std::string_view numero_o_nome);
