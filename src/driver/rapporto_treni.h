#pragma once

#include <string>
#include <vector>

#include "driver/compila_treni.h"

// The report of a command that compiled several trains.

// The worst way a train ended: a fault or a header conflict before a validation finding,
// a finding before a clean compile. It gives the command's exit status.
esito_esecuzione esito_peggiore(const std::vector<treno_compilato>& treni);

// What stderr shows: each train with something to say, under a line that names its run file,
// in the order the trains were given.
std::string diagnostica_treni(const std::vector<treno_compilato>& treni);

// `--verbose`: one line for the whole run.
std::string riepilogo_treni(const std::vector<treno_compilato>& treni, const std::string& cartella);
// The same for one compilation's files.
std::string riepilogo_scritti(const std::vector<std::string>& scritti, const std::string& cartella);
