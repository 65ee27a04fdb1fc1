#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

#include "compilazione/reperto.h"

// Completion at the start of a line: the keywords of the file's kind, each with a snippet of
// a whole line, and the section headers. An empty list once the line has a comma before
// the cursor.
nlohmann::json completamento_a(std::string_view testo, sorgente file, std::size_t riga,
                               std::size_t colonna);
