#pragma once

#include <string>
#include <vector>

// The command line, the arguments after the program's name in UTF-8: parses the options
// and runs what they ask for. Returns the exit status.
int esegui_comando(const std::vector<std::string>& argomenti);
