#pragma once

#include <string>

enum class tipo_file { assente, ordinario, cartella, altro };

// What the path names, following links; anything that cannot be looked at is `assente`.
tipo_file tipo_di(const std::string& percorso);

// The whole content of an ordinary file. A folder, a device or a pipe is a fault, and
// opening never waits for a writer.
std::string leggi_file(const std::string& percorso);
