#include "driver/esecuzione.h"

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

rapporto_esecuzione classifica_fine(const Form1& f, const nomi_sorgenti& nomi) {
    if (f.codice_errore == 0) return {};
    return {esito_esecuzione::finding, riga_reperto(f, nomi), descrivi_reperto(f, nomi)};
}

rapporto_esecuzione rapporto_errore_fatale(const std::string& testo) {
    return {esito_esecuzione::errore, testo, testo + "\n"};
}

rapporto_esecuzione rapporto_guasto(const std::string& cosa) {
    const std::string riga = "compila_scenario: errore: " + cosa;
    return {esito_esecuzione::fault, riga, riga + "\n"};
}

rapporto_esecuzione rapporto_modello_assente(const Form1& f, const nomi_sorgenti& nomi) {
    return {esito_esecuzione::fault, riga_reperto(f, nomi), descrivi_reperto(f, nomi)};
}
