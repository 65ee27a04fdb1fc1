#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

#include "compilazione/reperto.h"

// The signature help of a keyword line: the keyword and its values, the one being written
// marked. Null while the keyword itself is written or on a line of no keyword.
nlohmann::json firma_a(std::string_view testo, sorgente file, std::size_t riga,
                       std::size_t colonna);
