#include "model/form1.h"
#include "source_text/scenario_incorporato.h"

// The embedded run: write the scenario's text files, then compile them in the same folder.
void Form1::Form_Load() {
    nome_linea = nome_linea_incorporata;
    numero_treno = numero_treno_incorporato;
    nome_linea_uscita = nome_linea;
    numero_treno_uscita = numero_treno;
    cartella_uscita = cartella;
    dati_linea();
    dati_treno();
    dati_note();
    dati_rallentamenti();
    dati_scheda();
    std::int32_t j = 1;
    memorizza_percorso(j);
}
