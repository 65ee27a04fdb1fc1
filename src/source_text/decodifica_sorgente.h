#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the bytes of a source file are to be read. The format is Windows-1252; authors'
// editors often save UTF-8 or UTF-16 instead.
enum class codifica_sorgente : std::uint8_t { automatica, cp1252, utf8, utf16 };

// "auto", "cp1252", "utf-8", "utf-16"; none for any other name.
std::optional<codifica_sorgente> codifica_di_nome(std::string_view nome);

// A character Windows-1252 cannot hold, where the author sees it.
struct carattere_estraneo {
    std::int32_t riga = 0;     // 1-based
    std::int32_t colonna = 0;  // 1-based, in characters
    char32_t carattere = 0;
    std::string riga_fino_a_lui;  // Windows-1252, the character itself shown as '?'
};

// A source file as the readers take it: Windows-1252 bytes, one byte per character.
struct testo_decodificato {
    // The converted bytes; none when the file is read byte for byte as it is.
    std::optional<std::string> convertito;
    std::string_view codifica;  // what it was converted from ("UTF-8", "UTF-16LE"...)
    // For each byte of `convertito`, and one past its end, the offset of its character in the
    // original file: columns of the diagnostics count characters, editors may count bytes.
    std::vector<std::uint32_t> origine;
    std::optional<carattere_estraneo> estraneo;  // the first one; nothing is converted then
    bool nul_senza_bom = false;                  // NUL bytes and no byte-order mark

    // The 0-based byte offset in the original file of byte `i` of the text read.
    std::size_t offset_originale(std::size_t i) const;
};

// Decodes the file's bytes. With `automatica`: a UTF-8 byte-order mark is dropped; UTF-16
// with a byte-order mark (either order) is converted; valid UTF-8 that holds at least one
// multi-byte sequence is converted; anything else is Windows-1252 as it is.
testo_decodificato decodifica_sorgente(std::string_view byte, codifica_sorgente codifica);
