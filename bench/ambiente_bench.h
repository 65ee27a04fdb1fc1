#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/cartella_temporanea.h"
#include "driver/compilazione.h"

// A folder made for one benchmark and removed with everything in it.
using cartella_bench = cartella_temporanea;

// Where "on disk" and "in memory" folders are made.
std::string base_disco();
std::string base_memoria();  // empty when the machine has no tmpfs at /dev/shm

// Writes the longest line's two source files into a folder; returns the compile request.
richiesta_compilazione prepara_linea_lunga(const std::string& sorgenti, const std::string& uscita,
                                           bool senza_profilo);
// Places the longest line's source files where the readers of a Form1 look for them.
void scrivi_sorgenti_lunghe(const Form1& f);

// The sizes of the regular files in a folder.
std::vector<std::size_t> dimensioni_file(const std::string& cartella);
