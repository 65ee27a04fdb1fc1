#pragma once

#include <string_view>
#include <vector>

// `compila_scenario spiega N|NAME|KEYWORD`: prints the long explanation of an error number,
// a warning or a keyword. Returns the exit status.
int esegui_spiega(const std::vector<std::string_view>& argomenti);
