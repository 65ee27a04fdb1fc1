#pragma once

#include <string_view>
#include <vector>

// `compila_scenario lsp`: the language server on standard input and output, until the
// client sends "exit" or closes the input. Returns the exit status.
int esegui_lsp(const std::vector<std::string_view>& argomenti);
