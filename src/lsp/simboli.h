#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "compilazione/reperto.h"

// The outline of a file, in order of position along the line: stations by name, signals,
// slowdowns, curves, speed boards and direction boards, each with its position.
nlohmann::json simboli_documento(std::string_view testo, sorgente file);
