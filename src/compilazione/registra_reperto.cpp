#include "compilazione/registra_reperto.h"

#include <algorithm>

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

void registra_avviso(ambiente_compilazione& a, livello_reperto livello, std::string_view nome,
                     const luogo_sorgente& luogo, std::string messaggio) {
    const std::vector<std::string>& spenti = a.opzioni.avvisi_spenti;
    if (std::find(spenti.begin(), spenti.end(), nome) != spenti.end()) return;
    a.reperti.push_back(
        reperto{livello, 0, std::string(nome), luogo, std::nullopt, std::move(messaggio)});
}

void registra_errore_sorgente(ambiente_compilazione& a, const luogo_sorgente& luogo,
                              std::string messaggio) {
    a.reperti.push_back(
        reperto{livello_reperto::errore, 0, {}, luogo, std::nullopt, std::move(messaggio)});
}
