#pragma once

#include <cstdint>
#include <string_view>

// A readable name for a cell's object kind; "sconosciuto" for codes no writer uses.
std::string_view nome_oggetto(std::uint8_t tipo);
