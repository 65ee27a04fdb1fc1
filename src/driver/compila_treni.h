#pragma once

#include <functional>
#include <string>
#include <vector>

#include "compilazione/compila_testi.h"
#include "compilazione/formato_reperti.h"
#include "driver/esecuzione.h"

// Several trains on one line in one command. Each train is compiled on its own, exactly as a
// compile of its two files alone would be (profile included, since the curves it reads can
// change the findings); only the writing of the line's profile, the same bytes for every
// train of the line, is left to one of them.

struct treno_da_compilare {
    std::string file;    // the train run file
    std::string numero;  // the train number, as the output files are named
};

// A line file and the trains that run on it.
struct linea_con_treni {
    std::string file;
    std::string nome;
    std::vector<treno_da_compilare> treni;
};

// Which of its compiled files a train's compilation writes.
enum class file_del_treno { tutti, senza_profilo, solo_profilo };

// One train's compilation, as it ended.
struct treno_compilato {
    const linea_con_treni* linea = nullptr;
    const treno_da_compilare* treno = nullptr;
    nomi_sorgenti nomi;
    esito_compilazione esito;
    rapporto_esecuzione rapporto;  // refers into `esito`: the two stay together
};

// Compiles one train's sources into its own destination, writing the files asked for.
using compilazione_treno =
    std::function<esito_compilazione(const linea_con_treni&, const treno_da_compilare&,
                                     const sorgenti_compilazione&, file_del_treno)>;

// Compiles every train of every line, on every core the machine has; each line file is read
// once. A line's profile is written by its first train whose compilation completes. The
// results come in the order of the lines and their trains, whatever order they ran in.
std::vector<treno_compilato> compila_treni(const std::vector<linea_con_treni>& linee,
                                           const compilazione_treno& compila);
