#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "source_text/descrizione_campi.h"

// One field of a line, as byte offsets in the line.
struct campo_riga {
    std::size_t inizio = 0;
    std::size_t fine = 0;  // one past its last character, trailing blanks left out
    bool chiuso = false;   // a separator follows it: the next field has begun
};

// A line cut into fields as the readers cut it: the keyword field, then its values, each
// read as text or as a number by the keyword's description (a number also ends at a blank);
// fields past the keyword's last value are read as text, as the readers' loop reads them.
struct campi_riga {
    campo_riga parola;
    std::vector<campo_riga> valori;
};

campi_riga taglia_riga(std::string_view riga, const descrizione_parola_chiave& parola);

// The first field of a line: what the readers test for a keyword.
std::string_view primo_campo(std::string_view riga);

// Where a cursor (a byte offset in the line) stands among the fields.
struct campo_al_cursore {
    bool sulla_parola = false;
    std::optional<std::size_t> valore;  // index of the value, after the keyword
};

// The field the cursor is in, for a hover: none between fields.
campo_al_cursore campo_sotto(const campi_riga& campi, std::size_t cursore);

// The value being written when the text stops at the cursor, for the signature help; none
// while the keyword is being written.
std::optional<std::size_t> valore_in_scrittura(std::string_view riga, std::size_t cursore,
                                               const descrizione_parola_chiave& parola);
