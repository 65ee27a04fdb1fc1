#pragma once

#include <cstdint>

// Which source a finding or a keyword comes from.
enum class sorgente : std::uint8_t { nessuna, file_linea, file_treno };
