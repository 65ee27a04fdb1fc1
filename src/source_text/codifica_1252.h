#pragma once

#include <cstddef>
#include <optional>
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

// The Windows-1252 byte of a character; none when Windows-1252 cannot hold it. The five
// bytes it leaves undefined stand for the control characters of the same number.
std::optional<unsigned char> byte_1252(char32_t c);

// Decodes the UTF-8 sequence at byte i of t into c; returns its length, 0 when the bytes
// there are not valid UTF-8.
std::size_t decodifica_utf8(std::string_view t, std::size_t i, char32_t& c);
