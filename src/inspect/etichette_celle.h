#pragma once

#include <cstddef>
#include <cstdint>

#include "inspect/record_dump.h"
#include "model/cella.h"

// Cell i stands for the 50 m from 50 * i metres.
std::int64_t metro_della_cella(std::size_t indice);

// The cell's object and track values named by what they hold, with their units. Cell 1 is
// the header cell: its first two values are the file's marker and check code.
record_dump etichette_cella(const cella& c, std::size_t indice);
// The values in real units that the JSON form adds beside the stored ones.
void unita_cella(record_dump& json, const cella& c, std::size_t indice);

// Every cell carries the speed limit, gradient and adhesion in force: a cell is worth
// showing when it holds anything else, or when one of those changes there.
bool cella_da_mostrare(const cella& c, const cella* precedente, std::size_t indice);
