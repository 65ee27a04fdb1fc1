#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line name a line file's name gives: its base name without "_linea.txt".
std::optional<std::string> nome_linea_da_file(std::string_view percorso);

// The train number a train run file's name gives: what its base name holds between
// the line name + "_" and "-.txt".
std::optional<std::string> numero_treno_da_file(std::string_view percorso,
                                                std::string_view nome_linea);

// Why a name cannot name the output files; empty when it can.
std::string difetto_del_nome(std::string_view nome);
