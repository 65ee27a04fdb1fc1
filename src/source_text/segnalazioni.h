#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/form1.h"
#include "source_text/lettore_campi.h"
#include "source_text/stato_lettura.h"

// Records a reader's finding and the field that raised it.
void segnala(Form1& f, std::int32_t codice, const lettore_campi& file,
             lettore_campi::punto_campo punto);
// The same, for findings that also name a position in metres.
void segnala(Form1& f, std::int32_t codice, std::int32_t posizione, const lettore_campi& file,
             lettore_campi::punto_campo punto);

// The readers' range check: a line whose first position x gives (x + margine) / 50 beyond
// the last cell is error 15. Returns whether the line failed it.
bool fuori_portata(Form1& f, std::int64_t x, std::int32_t margine, const lettore_campi& file,
                   lettore_campi::punto_campo punto);
// The extended check of a cell a line will write: outside the model is error 15 at x.
bool cella_fuori(Form1& f, std::int64_t cella, std::int32_t x, const lettore_campi& file,
                 lettore_campi::punto_campo punto);

// Ends a reader with a finding: records it (with its position, when it has one), closes the
// file being read and deletes it.
void chiudi_con_errore(Form1& f, stato_lettura& st, const std::string& percorso,
                       std::int32_t codice, lettore_campi::punto_campo punto,
                       std::optional<std::int32_t> posizione = std::nullopt);
