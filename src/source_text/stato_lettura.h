#pragma once

#include <cstdint>
#include <optional>

#include "source_text/lettore_campi.h"

// The working values of memorizza_dati, shared by its two halves.
struct stato_lettura {
    std::optional<lettore_campi> file;  // the text file being read, when one is open

    // Line file half.
    std::int32_t cursore_pendenza = 0;
    std::int32_t pendenza_corrente = 0;
    std::int32_t cursore_profilo = 2;
    std::int32_t riga_cartello = 80;  // next direction-board row; the station limit afterwards

    // Train run file half.
    std::int32_t cursore_velocita = 0;
    std::int32_t cursore_aderenza = 0;
    std::int32_t velocita_in_vigore = 0;
    std::int32_t aderenza_in_vigore = 0;
    std::int32_t contatore_stazioni = 1;
};

// What a keyword test leaves the reading loop to do.
enum class esito_riga { continua, fine_lettura, esci };
