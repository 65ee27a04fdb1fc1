#pragma once

#include <string>

// The folder holding the running executable.
std::string cartella_programma();
