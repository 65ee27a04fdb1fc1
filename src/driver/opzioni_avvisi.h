#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compilazione/compila_testi.h"

// The options both compiling runs take, as C compilers have them: -Wno-NAME, -w, -Werror,
// and --encoding auto|cp1252|utf-8|utf-16.
struct opzioni_avvisi {
    bool attivi = true;
    std::vector<std::string> spenti;
    bool come_errori = false;
    codifica_sorgente codifica = codifica_sorgente::automatica;

    void applica(opzioni_compilazione& o) const;
};

// Takes argomenti[i] when it is one of these options, moving i past the value it takes.
// Returns whether it was one; `errore` says what is wrong with it.
bool leggi_opzione_avvisi(const std::vector<std::string_view>& argomenti, std::size_t& i,
                          opzioni_avvisi& o, std::optional<std::string>& errore);
