#pragma once

#include <string>

#include "source_text/descrizione_campi.h"

// The words the editor shows for the description of keywords and values.

// "16-bit, -32768 to 32767", or what a text field runs to.
std::string larghezza_e_intervallo(const descrizione_valore& valore);

// "line file" or "train run file".
std::string nome_del_file(sorgente file);
