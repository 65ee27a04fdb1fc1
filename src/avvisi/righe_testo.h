#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "source_text/descrizione_campi.h"

// A source text line by line, for the checking pass: the readers read a stream of fields,
// but an author writes, and fixes, lines.
// Sixteen bytes a line: a source of a million short lines keeps them all.
struct riga_testo {
    const char* inizio;
    std::int32_t numero;  // 1-based
    std::uint32_t lunghezza;

    // Without its line end.
    std::string_view testo() const { return {inizio, lunghezza}; }
};

// Lines end as the field reader ends them: CR LF, LF or CR.
std::vector<riga_testo> righe_di(std::string_view testo);

// One field of a line, as the field reader takes it.
struct campo_letto {
    std::string_view testo;
    std::int32_t colonna = 0;            // 1-based
    std::optional<std::int64_t> numero;  // when it is a plain decimal integer
    bool nella_larghezza = true;         // a number that fits the width it is read with
    bool seguito_da_virgola = false;     // a comma ends it right after its last character
};

// The keyword field: the line's first field, up to a comma, blanks around it dropped.
campo_letto primo_campo(const riga_testo& riga);

// The values of a keyword line, read by the widths the description gives, and the fields
// left on the line after them, into `uscita` (its buffers are reused).
struct valori_riga {
    std::vector<campo_letto> valori;  // as many as the line holds, at most as described
    std::vector<campo_letto> in_piu;  // fields after the described values
};
void valori_di(const riga_testo& riga, std::span<const descrizione_valore> attesi,
               valori_riga& uscita);
