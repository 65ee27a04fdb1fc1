#pragma once

#include <optional>
#include <string>

// The environment variable that names the temporary folder: TMPDIR, on Windows TMP.
const char* variabile_cartella_temporanea();

// The variable's value, if it is set.
std::optional<std::string> leggi_variabile(const std::string& nome);

// Sets the variable for this process and the programs it starts; no value unsets it.
void imposta_variabile(const std::string& nome, const std::optional<std::string>& valore);
