#pragma once

#include <string>
#include <vector>

#include "compilazione/compila_testi.h"
#include "driver/compila_treni.h"
#include "driver/esecuzione.h"

// The run's report as one JSON object on one line. `scritti` lists the files the run left.
std::string rapporto_json(const esito_compilazione& e, const rapporto_esecuzione& r,
                          const nomi_sorgenti& nomi, const std::vector<std::string>& scritti);

// Several trains: one array on one line, each train's object led by its line and train.
std::string rapporto_json_treni(const std::vector<treno_compilato>& treni);
