#include "driver/esecuzione.h"

namespace {

// The finding that codice_errore holds: the last error recorded with its number.
const reperto* principale_di(const esito_compilazione& e) {
    for (auto r = e.reperti.rbegin(); r != e.reperti.rend(); ++r) {
        if (r->livello == livello_reperto::errore && r->numero == e.codice_errore) return &*r;
    }
    return nullptr;
}

// The first warning, when -Werror makes warnings findings.
const reperto* avviso_bloccante(const esito_compilazione& e) {
    if (!e.avvisi_come_errori) return nullptr;
    for (const reperto& r : e.reperti) {
        if (r.livello == livello_reperto::avviso) return &r;
    }
    return nullptr;
}

esito_esecuzione esito_di(const esito_compilazione& e) {
    switch (e.fine) {
        case fine_compilazione::completata:
            if (e.codice_errore == 0 && avviso_bloccante(e) == nullptr) return esito_esecuzione::ok;
            return esito_esecuzione::finding;
        case fine_compilazione::errore:
            return esito_esecuzione::errore;
        case fine_compilazione::guasto:
        case fine_compilazione::modello_assente:
            return esito_esecuzione::fault;
    }
    return esito_esecuzione::fault;
}

}  // namespace

int codice_uscita(esito_esecuzione esito) {
    switch (esito) {
        case esito_esecuzione::ok:
            return 0;
        case esito_esecuzione::finding:
            return 2;
        case esito_esecuzione::errore:
        case esito_esecuzione::fault:
            return 1;
    }
    return 1;
}

const char* nome_esito(esito_esecuzione e) {
    switch (e) {
        case esito_esecuzione::ok:
            return "ok";
        case esito_esecuzione::finding:
            return "finding";
        case esito_esecuzione::errore:
            return "errore";
        case esito_esecuzione::fault:
            return "fault";
    }
    return "fault";
}

rapporto_esecuzione rapporto_di(const esito_compilazione& e, const nomi_sorgenti& nomi) {
    rapporto_esecuzione r;
    r.esito = esito_di(e);
    r.principale = principale_di(e);
    r.diagnostica = descrivi_reperti(e.reperti, nomi);
    if (r.principale == nullptr) r.principale = avviso_bloccante(e);
    if (r.principale != nullptr) r.messaggio = riga_reperto(*r.principale, nomi);
    if (e.fine == fine_compilazione::errore && e.testo_errore.empty()) {
        // A source that cannot be read: its finding, already in the list, says why.
    } else if (e.fine == fine_compilazione::errore) {
        r.messaggio = e.testo_errore;
        r.diagnostica += e.testo_errore + "\n";
    } else if (e.fine == fine_compilazione::guasto) {
        r.messaggio = "compila_scenario: errore: " + e.guasto;
        r.diagnostica += r.messaggio + "\n";
    }
    return r;
}

rapporto_esecuzione rapporto_guasto(const std::string& cosa) {
    const std::string riga = "compila_scenario: errore: " + cosa;
    return {esito_esecuzione::fault, riga, riga + "\n", nullptr};
}
