#pragma once

#include <string>

#include "source_text/descrizione_campi.h"

// The author's reference of one keyword, in Markdown: what the line does, a table of its
// values in line order (name, width, unit, range, effect, out of range) and an example.
std::string scheda_parola_chiave(const descrizione_parola_chiave& parola);

// Every keyword of a file, as the guide lists them; keywords that share their values (the
// twelve curves) under one heading.
std::string tabelle_guida(sorgente file);
