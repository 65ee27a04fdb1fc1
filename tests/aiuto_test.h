#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cartella_temporanea.h"
#include "model/form1.h"

namespace aiuto {

// A fresh folder under the system temp folder, removed with everything in it.
using cartella_temporanea = ::cartella_temporanea;

void scrivi(const std::string& percorso, std::string_view contenuto);
std::string leggi(const std::string& percorso);
bool esiste(const std::string& percorso);
// Names in the folder, sorted; hidden files included.
std::string elenco(const std::string& cartella);

// Hex digest of the bytes.
std::string sha256(std::string_view dati);

// Joins lines, each followed by CR LF, as the writers lay out a text file.
std::string righe_crlf(std::initializer_list<std::string_view> righe);

// A model set up to read and write its files in `cartella`, line "L" and train "T".
void prepara(Form1& f, const std::string& cartella, std::int32_t flag_j = 1);

// Writes the two text files for the model and runs memorizza_dati on them, the way
// memorizza_percorso starts a run: table cleared, no finding yet.
void leggi_sorgenti(Form1& f, std::string_view linea, std::string_view treno);

// The smallest general section that creates a model: 1000 m of line, cells 0 to 160.
std::string linea_con(std::string_view successive, std::string_view generale = "");
// A train run file holding the given lines after "[generale]".
std::string treno_con(std::string_view righe);

}  // namespace aiuto
