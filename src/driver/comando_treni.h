#pragma once

#include <optional>
#include <string>
#include <vector>

#include "driver/compila_treni.h"

// `compile LINE RUN [RUN...]` and `compile DIR`: what the command line asks for.
struct richiesta_treni {
    std::string file_linea;                 // or the scenario folder, when no run file is given
    std::optional<std::string> nome_linea;  // --line-name
    std::vector<std::string> file_treni;
    std::string cartella_uscita;
    bool json = false;
    bool verboso = false;
    bool silenzioso = false;
};

// Chooses the trains, compiles each with `compila`, reports them; returns the exit status
// (the worst train's) or the usage status.
int esegui_piu_treni(const richiesta_treni& r, const compilazione_treno& compila);
