#pragma once

#include <string_view>
#include <vector>

// `compila_scenario compile LINE_FILE RUN_FILE [options]`: compiles an author's own files.
int esegui_compile(const std::vector<std::string_view>& argomenti);
