#pragma once

#include <cstdint>

// Type of one profile element, as the simulator reads its tag.
enum class tipo_elemento : std::uint8_t { vuoto = 0, intero16 = 2, doppio = 5 };
