#include "model/form1.h"
#include "output/file_atomico.h"
#include "source_text/scenario_incorporato.h"
#include "source_text/testo_scenario.h"

std::string Form1::percorso_file_linea() const {
    return cartella + "/" + nome_linea + "_linea.txt";
}

std::string Form1::percorso_file_treno() const {
    return cartella + "/" + nome_linea + "_" + numero_treno + "-.txt";
}

void Form1::scrivi_testo(const std::string& percorso, const std::vector<std::string>& righe) {
    scrivi_file_intero(percorso, componi_testo(tabella_con_marcatore(righe)));
}

void Form1::dati_linea() {
    scrivi_testo(percorso_file_linea(), righe_file_linea());
}

void Form1::dati_treno() {
    scrivi_testo(percorso_file_treno(), righe_file_treno());
}

void Form1::dati_note() {
    scrivi_testo(cartella + "/" + nome_linea + "_" + numero_treno + "_note.txt", {});
}

void Form1::dati_rallentamenti() {
    scrivi_testo(cartella + "/" + nome_linea + "_" + numero_treno + "_rallentamenti.txt", {});
}

void Form1::dati_scheda() {
    scrivi_testo(cartella + "/" + nome_linea + "_" + numero_treno + "_scheda_treno.txt", {});
}
