#pragma once

#include <string>
#include <vector>

#include "compilazione/compila_testi.h"
#include "compilazione/reperto.h"

// What the routines of one compilation reach beyond the model: the two source texts, the
// destination of the compiled files, and the findings. It lives as long as the compilation.
struct ambiente_compilazione {
    const sorgenti_compilazione& sorgenti;
    const opzioni_compilazione& opzioni;
    destinazione& uscita;
    std::vector<reperto> reperti;
    std::vector<std::string> file_prodotti;
    bool cancellato_linea = false;
    bool cancellato_treno = false;

    const testo_sorgente& testo(sorgente s) const {
        return s == sorgente::file_linea ? sorgenti.linea : sorgenti.treno;
    }
    // The readers delete a text file once read; in memory that is only remembered.
    void cancella(sorgente s) {
        (s == sorgente::file_linea ? cancellato_linea : cancellato_treno) = true;
    }
};
