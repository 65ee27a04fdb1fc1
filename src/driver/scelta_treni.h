#pragma once

#include <optional>
#include <string>
#include <vector>

#include "driver/compila_treni.h"

// Which lines and trains a compile of several trains names. Each returns a usage message
// when the names cannot give distinct output files.

// `compile LINE RUN [RUN...]`: the trains' numbers come from their file names.
std::optional<std::string> treni_da_file(const std::string& file_linea,
                                         const std::string& nome_linea,
                                         const std::vector<std::string>& file_treni,
                                         std::vector<linea_con_treni>& linee);

// `compile DIR`: every NAME_linea.txt in the folder with its NAME_*-.txt, in name order. A run
// file whose name fits several lines goes to the longest line name.
std::optional<std::string> treni_in_cartella(const std::string& cartella,
                                             std::vector<linea_con_treni>& linee);

bool e_cartella(const std::string& percorso);
