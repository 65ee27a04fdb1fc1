#pragma once

#include <string>

inline constexpr int uscita_uso = 64;

// A usage error: what is wrong, then where to find help. Returns the usage exit status.
int errore_uso(const std::string& messaggio);
