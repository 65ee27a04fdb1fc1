#include "compilazione/registra_reperto.h"

#include "compilazione/ambiente.h"
#include "compilazione/messaggi_errore.h"
#include "model/form1.h"

void registra_errore(Form1& f, std::int32_t codice, const luogo_sorgente& luogo,
                     std::optional<std::int32_t> posizione, std::string_view dettaglio) {
    f.codice_errore = codice;
    if (posizione) f.posizione_errore = *posizione;
    if (f.ambiente == nullptr) return;
    std::string messaggio = messaggio_errore(codice);
    if (!dettaglio.empty()) messaggio += " (" + std::string(dettaglio) + ")";
    f.ambiente->reperti.push_back(
        reperto{livello_reperto::errore, codice, {}, luogo, posizione, std::move(messaggio)});
}

void registra_nota(Form1& f, const luogo_sorgente& luogo, std::string messaggio) {
    if (f.ambiente == nullptr) return;
    f.ambiente->reperti.push_back(
        reperto{livello_reperto::nota, 0, {}, luogo, std::nullopt, std::move(messaggio)});
}
