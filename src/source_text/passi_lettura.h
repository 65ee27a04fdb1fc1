#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/form1.h"
#include "source_text/lettore_campi.h"

// Carries a value in force along the cells: writes it into `campo` of the cell under the
// cursor and moves on, at least once, until the cursor reaches `fino`. With `arresto`, the
// fill stops before a cell at or beyond it; without, a cell beyond the model is a fault.
void riempi_celle(Form1& f, std::int32_t& cursore, std::int64_t fino, std::uint8_t cella::*campo,
                  std::uint8_t valore, std::optional<std::int64_t> arresto = std::nullopt);

// The files' ruler lines: while the line just read holds a hyphen, up to `volte` times, the
// next line is read in its place. With `ferma_a_fine`, returns true when the file ended on a
// line read so; otherwise a read past the end is the field reader's fault.
bool salta_trattini(lettore_campi& file, std::string& riga, int volte, bool ferma_a_fine);
