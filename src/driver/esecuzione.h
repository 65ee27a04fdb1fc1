#pragma once

#include <string>

#include "compilazione/compila_testi.h"
#include "compilazione/formato_reperti.h"

// How a run ended, as the exit status and the JSON report tell it.
enum class esito_esecuzione { ok, finding, errore, fault };

struct rapporto_esecuzione {
    esito_esecuzione esito = esito_esecuzione::ok;
    std::string messaggio;    // the main line of what stderr shows
    std::string diagnostica;  // everything for stderr (empty when there is nothing to say)
    const reperto* principale = nullptr;  // the finding codice_errore holds, if any
};

int codice_uscita(esito_esecuzione esito);
// The name the JSON report gives it.
const char* nome_esito(esito_esecuzione esito);

// The report of a compilation: its findings, and how it ended.
rapporto_esecuzione rapporto_di(const esito_compilazione& e, const nomi_sorgenti& nomi);
// A fault outside the compilation: a file that cannot be read or written.
rapporto_esecuzione rapporto_guasto(const std::string& cosa);
