#include "model/form1.h"
#include "model/guasto.h"

// The compiler's main routine: read, code, then write the compiled scenario.
void Form1::memorizza_percorso(std::int32_t& j) {
    flag_j = j;
    codice_errore = 0;
    tabella_sim.fill(riga_sim{});
    memorizza_dati();
    if (!celle_create()) throw modello_non_creato(codice_errore);
    assegna_codici();
    scrivi_file_compilati();
}
