#pragma once

#include <string_view>
#include <vector>

#include "inspect/decodifica_file.h"
#include "inspect/record_dump.h"

// What a row of the station table holds: stations fill rows from 1 up, board texts from 80
// down, and rows 81 to 86 hold the header values.
enum class contenuto_riga {
    vuota,
    stazione,
    cartello,
    progressiva_chilometrica,
    treno_e_linea,
    linea,
    treno,
    altro,
};

std::vector<contenuto_riga> contenuti_righe(const tabella_sim_decodificata& tabella);
std::string_view nome_contenuto(contenuto_riga c);

// The row's fields named by what they hold, in the order an author writes them, with their
// units; fields that this reading does not name are added by their stored name when not 0.
record_dump etichette_riga(const riga_sim& r, contenuto_riga c);
// The values in real units that the JSON form adds beside the stored ones.
void unita_riga(record_dump& json, const riga_sim& r, contenuto_riga c);
