#pragma once

#include <string>

#include "compilazione/compila_testi.h"
#include "driver/esecuzione.h"

// The run's report as one JSON object on one line. `scritti` lists the files the run left.
std::string rapporto_json(const esito_compilazione& e, const rapporto_esecuzione& r,
                          const nomi_sorgenti& nomi, const std::vector<std::string>& scritti);
