#pragma once

#include <string>
#include <string_view>

// Scenario texts are Windows-1252 bytes; names and messages reach the user as UTF-8.

// UTF-8 to Windows-1252; a character Windows-1252 lacks becomes '?'. Bytes that are not
// valid UTF-8 are kept as they are: they are taken to be Windows-1252 already.
std::string utf8_a_1252(std::string_view testo);

// Windows-1252 to UTF-8.
std::string testo_1252_a_utf8(std::string_view testo);

// Keeps valid UTF-8 as it is and reads any other byte as Windows-1252.
std::string come_utf8(std::string_view testo);
