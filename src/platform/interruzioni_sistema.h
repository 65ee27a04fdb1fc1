#pragma once

#include <string>

// What each side gives the registry of files to remove on an interruption (interruzioni.cpp).

// Paths as the system's calls take them: UTF-8 on POSIX, UTF-16 on Windows.
#ifdef _WIN32
using carattere_nativo = wchar_t;
#else
using carattere_nativo = char;
#endif
std::basic_string<carattere_nativo> percorso_nativo(const std::string& percorso);

// Safe to call from the interruption's handler: no allocation, no lock.
void cancella_nativo(const carattere_nativo* percorso);
[[noreturn]] void esci_subito(int stato);

// For the handler: true when a commit puts interruptions off, the signal then only noted.
bool rinvia_interruzione(int segnale);
