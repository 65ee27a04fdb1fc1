#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/form1.h"
#include "source_text/lettore_campi.h"
#include "source_text/stato_lettura.h"

// Records a reader's finding at the field that raised it, with its position when it has one.
void segnala(Form1& f, std::int32_t codice, const lettore_campi& file,
             lettore_campi::punto_campo punto,
             std::optional<std::int32_t> posizione = std::nullopt);

// The readers' range check: a line whose first position x gives (x + margine) / 50 beyond
// the last cell is error 15. Returns whether the line failed it.
bool fuori_portata(Form1& f, std::int64_t x, std::int32_t margine, const lettore_campi& file,
                   lettore_campi::punto_campo punto);
// The extended check of a cell a line will write: outside the model is error 15 at x.
bool cella_fuori(Form1& f, std::int64_t cella, std::int32_t x, const lettore_campi& file,
                 lettore_campi::punto_campo punto);

// Ends a reader with a finding: records it, closes the file being read and deletes it.
void chiudi_con_errore(Form1& f, stato_lettura& st, std::int32_t codice,
                       lettore_campi::punto_campo punto,
                       std::optional<std::int32_t> posizione = std::nullopt);

// Closes the file being read and deletes it.
void chiudi_e_cancella(Form1& f, stato_lettura& st);

// The note that ends a reading on a finding an earlier line left standing begins so.
inline constexpr std::string_view nota_lettura_fermata = "la lettura del file si ferma qui";

// After a feature store: a finding of the store's own, or one that an earlier line left
// standing, ends the reading at this line. `prima` is codice_errore before the store ran.
// Returns whether the reading ended.
bool termina_dopo_memo(Form1& f, stato_lettura& st, std::int32_t prima, std::int32_t posizione,
                       lettore_campi::punto_campo punto);
