#pragma once

#include <string>

#include "driver/esecuzione.h"
#include "model/form1.h"

// One compilation of an author's line file and train run file.
struct richiesta_compilazione {
    std::string file_linea;
    std::string file_treno;
    std::string cartella_uscita;
    std::string nome_linea;    // as given: names the output files
    std::string numero_treno;  // as given
    bool senza_profilo = false;
    bool solo_verifica = false;  // compile and report, write nothing
};

// Compiles the pair into the model and the output folder; never throws.
rapporto_esecuzione compila(Form1& f, const richiesta_compilazione& richiesta);
