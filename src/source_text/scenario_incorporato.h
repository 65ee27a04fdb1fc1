#pragma once

#include <string>
#include <vector>

// The scenario this program carries: line "Zarvelotimbrasquinoverdaltepa", train "9402".
inline constexpr const char* nome_linea_incorporata = "Zarvelotimbrasquinoverdaltepa";
inline constexpr const char* numero_treno_incorporato = "9402";

const std::vector<std::string>& righe_file_linea();
const std::vector<std::string>& righe_file_treno();

// The bytes the writers put in the two files: the lines of the tables, CR LF after each.
std::string testo_file_linea();
std::string testo_file_treno();
