#pragma once

#include <string>

#include "source_text/descrizione_campi.h"

// The words the editor shows for the description of keywords and values.

// "intero a 16 bit, da -32768 a 32767", or what a text field runs to.
std::string larghezza_e_intervallo(const descrizione_valore& valore);

// "file di linea" or "file di marcia".
std::string nome_del_file(sorgente file);
