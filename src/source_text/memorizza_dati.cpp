#include <exception>

#include "model/form1.h"
#include "platform/cancellazione.h"
#include "source_text/stato_lettura.h"

// Reads the line file, then the train run file, into the model. Any fault on the way is
// caught here: both text files go, the finding is error 25 and the run carries on.
void Form1::memorizza_dati() {
    stato_lettura stato;
    try {
        if (leggi_file_linea(stato)) leggi_file_treno(stato);
    } catch (const std::exception& e) {
        luogo_errore = stato.file ? stato.file->luogo_ultimo_campo() : luogo_sorgente{};
        stato.file.reset();
        cancella_se_esiste(percorso_file_linea());
        cancella_se_esiste(percorso_file_treno());
        codice_errore = 25;
        posizione_impostata = false;
        messaggio_guasto = e.what();
    }
}
