#pragma once

#include <cstdint>
#include <limits>
#include <ostream>
#include <string_view>

#include "inspect/decodifica_file.h"

struct opzioni_dump {
    bool json = false;
    bool tutti = false;   // every record, also those that hold nothing
    bool grezzo = false;  // the stored values only, as the file holds them
    // Inclusive range of row, cell or metre numbers.
    std::int64_t da = 0;
    std::int64_t a = std::numeric_limits<std::int64_t>::max();
};

// Decodes one compiled file and prints it, one record per line. Throws formato_errato
// before printing anything when the bytes do not fit the layout.
void scrivi_dump(std::ostream& uscita, genere_file genere, std::string_view dati,
                 const opzioni_dump& o);
