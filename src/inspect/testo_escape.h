#pragma once

#include <string>
#include <string_view>

// Escapes UTF-8 text for XML character data and attribute values. Control characters
// that XML 1.0 cannot hold at all become U+FFFD.
std::string escape_xml(std::string_view testo);

// A JSON string literal, quotes included, for UTF-8 text.
std::string stringa_json(std::string_view testo);
