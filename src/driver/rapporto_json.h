#pragma once

#include <string>

#include "driver/esecuzione.h"
#include "model/form1.h"

// The run's report as one JSON object on one line.
std::string rapporto_json(const Form1& f, const rapporto_esecuzione& r, const nomi_sorgenti& nomi);
