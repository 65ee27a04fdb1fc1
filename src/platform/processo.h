#pragma once

#include <string>
#include <vector>

// Runs a program in `cartella` with its output and errors going to two files, and waits
// for it. Returns its exit status, or -1 when it did not exit normally.
int esegui_e_attendi(const std::string& programma, const std::vector<std::string>& argomenti,
                     const std::string& cartella, const std::string& file_uscita,
                     const std::string& file_errori);
