#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compilazione/reperto.h"

class Form1;

// The one place a finding is recorded: the model's codice_errore (and posizione_errore when
// the finding names a position), and the finding in the compilation's list.
void registra_errore(Form1& f, std::int32_t codice, const luogo_sorgente& luogo,
                     std::optional<std::int32_t> posizione = std::nullopt,
                     std::string_view dettaglio = {});

// A note that explains a finding, at another place of the sources.
void registra_nota(Form1& f, const luogo_sorgente& luogo, std::string messaggio);
