#pragma once

#include <string>
#include <string_view>

// The names this program gives its own files in an output folder, all hidden and short,
// so that any final name the file system takes still fits beside them:
//   .compila_scenario.lock     the folder's lock (it may stay)
//   .compila_scenario.commit   the record of a set being put in place
//   .compila_scenario-XXXXXX   a new file being written, or an old one kept aside
inline constexpr std::string_view nome_blocco = ".compila_scenario.lock";
inline constexpr std::string_view nome_registro = ".compila_scenario.commit";

// A fresh temporary name (its six letters at random).
std::string nome_temporaneo();
// Whether a name is one that `nome_temporaneo` gives.
bool e_nome_temporaneo(std::string_view nome);
