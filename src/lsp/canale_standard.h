#pragma once

#include <cstddef>
#include <string_view>

// The server's channel to the editor: its standard input and output, unbuffered and binary.

// Prepares the two streams: binary on Windows; on POSIX a client that goes away ends
// writes with an error rather than a signal.
void prepara_canale_standard();

// Reads what has arrived, waiting for at least one byte; 0 at the end of the input.
std::size_t leggi_ingresso(char* dati, std::size_t capienza);

// Writes all of `dati`; false when the output is gone.
bool scrivi_uscita(std::string_view dati);
