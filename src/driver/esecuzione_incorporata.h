#pragma once

#include <chrono>
#include <string>

#include "driver/opzioni_avvisi.h"

struct opzioni_incorporato {
    std::string cartella;  // empty: the program's folder
    bool silenzioso = false;
    bool json = false;
    opzioni_avvisi avvisi = {};
    std::chrono::milliseconds trattenuta{0};  // the window stays up this long first (tests)
};

// The run without a command: writes the embedded scenario's five text files into the folder,
// reads the two main ones back, compiles them there, and removes the ones the readers delete.
// Returns the exit status.
int esegui_incorporato(const opzioni_incorporato& o);
