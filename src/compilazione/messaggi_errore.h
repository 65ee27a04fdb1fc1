#pragma once

#include <cstdint>
#include <string>

// What an error number means, in a scenario author's terms.
std::string messaggio_errore(std::int32_t codice);
