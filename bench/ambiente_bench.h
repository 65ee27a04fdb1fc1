#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "compilazione/compila_testi.h"
#include "platform/cartella_temporanea.h"

// A folder made for one benchmark and removed with everything in it.
using cartella_bench = cartella_temporanea;

// Where "on disk" and "in memory" folders are made.
std::string base_disco();
std::string base_memoria();  // empty when the machine has no tmpfs at /dev/shm

// The longest line's two source files, written into a folder as an author keeps them.
struct linea_lunga_su_disco {
    std::string file_linea;
    std::string file_treno;
};
linea_lunga_su_disco scrivi_linea_lunga(const std::string& cartella);

// The longest line's sources in memory, and the options that compile it.
sorgenti_compilazione sorgenti_lunghe();
opzioni_compilazione opzioni_lunghe(bool senza_profilo);

// A compile of the longest line as the `compile` command does it: both sources read from
// disk, the files written into `uscita`. Returns the compilation's outcome.
esito_compilazione compila_linea_lunga(const linea_lunga_su_disco& sorgenti,
                                       const std::string& uscita, bool senza_profilo);

// The sizes of the regular files in a folder.
std::vector<std::size_t> dimensioni_file(const std::string& cartella);

// Runs a program to its end, its standard output dropped; false when it could not start or did
// not exit with 0.
bool avvia_programma(std::vector<std::string> argomenti);
