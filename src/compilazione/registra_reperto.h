#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compilazione/reperto.h"

class Form1;
struct ambiente_compilazione;

// The one place a finding is recorded: the model's codice_errore (and posizione_errore when
// the finding names a position), and the finding in the compilation's list.
void registra_errore(Form1& f, std::int32_t codice, const luogo_sorgente& luogo,
                     std::optional<std::int32_t> posizione = std::nullopt,
                     std::string_view dettaglio = {});

// A note that explains a finding, at another place of the sources.
void registra_nota(Form1& f, const luogo_sorgente& luogo, std::string messaggio);

// A warning (livello avviso) or a note of the checking pass, by the name -Wno-NAME silences.
// Warnings never touch the model: they are only added to the list, unless silenced.
void registra_avviso(ambiente_compilazione& a, livello_reperto livello, std::string_view nome,
                     const luogo_sorgente& luogo, std::string messaggio);

// An error about a source as a whole that stops the compilation before it starts (a
// character that Windows-1252 cannot hold): it has no number and leaves the model alone.
void registra_errore_sorgente(ambiente_compilazione& a, const luogo_sorgente& luogo,
                              std::string messaggio);
