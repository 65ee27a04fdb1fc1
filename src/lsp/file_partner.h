#pragma once

#include <string>
#include <vector>

#include "compilazione/reperto.h"

// A scenario is compiled as a pair: a line file NAME_linea.txt and one of its train run
// files NAME_NUMBER-.txt, in the same folder.
struct coppia_scenario {
    std::string nome_linea;  // from the file names, UTF-8
    std::string numero_treno;
    std::string percorso_linea;
    std::string percorso_treno;  // either path is empty when that file is missing
};

// The pairs a file takes part in: one per train run file of a line file, one for a train
// run file. When the partner is missing, one pair without it and the name looked for.
struct partner_file {
    sorgente genere = sorgente::nessuna;  // nessuna: the name is no scenario file's
    std::vector<coppia_scenario> coppie;
    std::string mancante;
};

// Finds the partners of `percorso` among the names of the files in its folder.
partner_file trova_partner(const std::string& percorso,
                           const std::vector<std::string>& nomi_nella_cartella);

// The kind of scenario file a name is, by its ending alone.
sorgente genere_da_nome(const std::string& percorso);
