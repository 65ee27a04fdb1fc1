#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Positions in an editor's text. Lines end at CR LF, LF or CR, as the field reader ends
// them; the protocol counts columns in UTF-16 code units of the UTF-8 text it sends.

// The text of line `riga` (0-based) without its line end; empty past the last line.
std::string_view riga_di(std::string_view testo, std::size_t riga);

// Byte offset in `testo` of a line and a UTF-16 column, both clamped to the text.
std::size_t byte_della_posizione(std::string_view testo, std::size_t riga, std::size_t colonna);

// Byte offset in a UTF-8 line of a UTF-16 column, clamped to the line's end.
std::size_t byte_da_utf16(std::string_view riga, std::size_t colonna);

// UTF-16 column of a byte offset in a UTF-8 line.
std::size_t utf16_da_byte(std::string_view riga, std::size_t byte);

// UTF-16 column of a 1-based column of the line as the compiler reads it, in Windows-1252,
// where every character is one byte. Column 0 and columns past the end give the line's end.
std::size_t utf16_da_colonna_1252(std::string_view riga, std::int32_t colonna);
