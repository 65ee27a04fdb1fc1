#pragma once

#include <string>
#include <vector>

// The arguments after the program's name, as UTF-8. On Windows they are taken from the
// UTF-16 command line, so that any name the user types reaches the program whole.
std::vector<std::string> argomenti_programma(int argc, char** argv);
