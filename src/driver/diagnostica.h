#pragma once

#include <string>

#include "model/form1.h"

// The names the author knows the two source files by.
struct nomi_sorgenti {
    std::string linea;
    std::string treno;
};

// The model's finding as a compiler reports it:
//   FILE:LINE: errore N: MESSAGE (posizione P m)
// then the source line and a caret under the field that raised it.
std::string descrivi_reperto(const Form1& f, const nomi_sorgenti& nomi);

// The first line alone, without the source excerpt.
std::string riga_reperto(const Form1& f, const nomi_sorgenti& nomi);
