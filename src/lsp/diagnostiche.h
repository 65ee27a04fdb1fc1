#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "compilazione/reperto.h"

// A compiler's finding as the protocol's Diagnostic, placed in `testo`, the text of its file
// as the editor shows it (UTF-8): the field it names, or its whole line when it names no
// column. The code is the error number, or the warning's name.
nlohmann::json diagnostica_lsp(const reperto& r, std::string_view testo);
