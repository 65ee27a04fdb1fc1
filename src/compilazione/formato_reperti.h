#pragma once

#include <string>
#include <vector>

#include "compilazione/reperto.h"

// The names the author knows the two source files by.
struct nomi_sorgenti {
    std::string linea;
    std::string treno;
};

// A finding as a compiler prints it:
//   FILE:LINE:COL: errore N: MESSAGE (posizione P m)
//   FILE:LINE:COL: avviso: MESSAGE [-WNAME]
//   FILE:LINE:COL: nota: MESSAGE
// The first line alone:
std::string riga_reperto(const reperto& r, const nomi_sorgenti& nomi);
// The same, then the source line and a caret under the column.
std::string descrivi_reperto(const reperto& r, const nomi_sorgenti& nomi);
// Every finding of a list, in order.
std::string descrivi_reperti(const std::vector<reperto>& reperti, const nomi_sorgenti& nomi);

// The name a finding's file has for the author; empty when it comes from no file.
const std::string& nome_file(const reperto& r, const nomi_sorgenti& nomi);
