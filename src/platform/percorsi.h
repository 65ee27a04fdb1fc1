#pragma once

#include <string>
#include <string_view>

// Paths are UTF-8 text inside the program, whatever the platform spells them in.

// True for a character that ends a folder's name: '/', and on Windows '\' and ':' too.
bool separatore_percorso(char c);
// The separator the platform writes between two names.
char separatore_preferito();

// `nome` inside `cartella`, with the platform's separator between them when one is needed.
std::string unisci_percorso(std::string_view cartella, std::string_view nome);

// The last name of a path: "a/b.txt" gives "b.txt".
std::string_view nome_in_percorso(std::string_view percorso);

// Everything before the last name, separator included: "a/b.txt" gives "a/", "b.txt" gives "".
std::string_view cartella_in_percorso(std::string_view percorso);
