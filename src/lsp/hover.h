#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

#include "compilazione/reperto.h"

// What the editor shows over a field of a keyword line: the keyword, the field's name and
// place in the line, its width and range, its unit and effect, and what the compiler stores
// for the value written. Null where the cursor is on no field of a keyword line.
nlohmann::json hover_a(std::string_view testo, sorgente file, std::size_t riga,
                       std::size_t colonna);
