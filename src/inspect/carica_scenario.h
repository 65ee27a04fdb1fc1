#pragma once

#include <optional>
#include <string>
#include <vector>

#include "inspect/decodifica_file.h"

// The three files of one compiled scenario, read back.
struct scenario_compilato {
    tabella_sim_decodificata tabella;
    std::vector<cella> celle;
    std::optional<profilo> profilo_linea;  // absent when compiled without one
};

// The cell file and the profile file are found beside the ".sim" by their names.
struct nomi_compilati {
    std::string celle;
    std::string profilo;
};
nomi_compilati nomi_accanto(const std::string& file_sim, const std::string& numero_treno);

// Throws guasto naming the file that cannot be read or does not fit its layout.
scenario_compilato carica_scenario(const std::string& file_sim);
