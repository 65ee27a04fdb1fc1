#pragma once

#include <string>
#include <vector>

#include "aiuto_test.h"

// Runs the real compila_scenario binary, as a user would, and keeps what it printed.
struct risultato_programma {
    int stato = -1;
    std::string out;
    std::string err;
};

risultato_programma esegui_programma(const std::vector<std::string>& argomenti,
                                     const std::string& cartella_lavoro = ".");
