#include "compilazione/messaggi_errore.h"

#include <map>

#include "model/codici_errore.h"

std::string messaggio_errore(std::int32_t codice) {
    static const std::map<std::int32_t, const char*> messaggi{
        {errori::lunghezza_percorso, "lunghezza percorso mancante, negativa o oltre 1000000 m"},
        {errori::progressive_non_multiple,
         "le progressive chilometriche devono avere inizio e fine multipli di 50 m"},
        {errori::inizio_ripetizione, "l'inizio della ripetizione segnali non è multiplo di 50 m"},
        {errori::fine_ripetizione, "la fine della ripetizione segnali non è multipla di 50 m"},
        {errori::codici_ripetizione, "la riga di ripetizione segnali non indica né 4 né 9 codici"},
        {errori::cartello_occupato, "il cartello indicatore cade su una cella già occupata"},
        {errori::abbattimento_occupato, "l'abbattimento cade su una cella già occupata"},
        {errori::stazione_fuori_passo, "la posizione della stazione non è multipla di 50 m"},
        {errori::lunghezza_stazione, "la lunghezza della stazione non è multipla di 100 m"},
        {errori::troppe_stazioni,
         "troppe stazioni: le righe della tabella libere dai cartelli indicatori sono finite"},
        {errori::abbattimento_segnale,
         "davanti al segnale non c'è una cella libera per l'abbattimento"},
        {errori::abbattimento_prima_rallentamento,
         "prima dell'inizio del rallentamento non c'è una cella libera per l'abbattimento"},
        {errori::abbattimento_nel_rallentamento,
         "nel rallentamento o davanti al segnale che lo segue non c'è una cella libera per "
         "l'abbattimento"},
        {errori::fuori_linea,
         "posizione fuori dalla linea: oltre la fine del modello o prima dell'inizio"},
        {errori::segnale_occupato, "il segnale cade su una cella già occupata"},
        {errori::avviso_rallentamento_occupato,
         "l'avviso del rallentamento (1200 m prima dell'inizio) cade su una cella già occupata"},
        {errori::inizio_rallentamento_occupato,
         "l'inizio del rallentamento cade su una cella già occupata"},
        {errori::fine_rallentamento_occupato,
         "la fine del rallentamento cade su una cella già occupata"},
        {errori::preavviso_rallentamento_occupato,
         "le quattro celle prima dell'avviso del rallentamento non sono libere"},
        {errori::indicatore_occupato,
         "l'indicatore di velocità massima cade su una cella già occupata"},
        {errori::stazioni_vicine,
         "la zona di fermata della stazione inizia meno di 350 m dopo la fine della "
         "precedente"},
        {errori::fermata_iniziale,
         "la zona di fermata della stazione finisce entro i primi 100 m della linea"},
        {errori::dato_illeggibile, "dato non leggibile"},
        {errori::linea_mancante, "file di linea non trovato"},
        {errori::generale_mancante, "manca la sezione [generale]"},
        {errori::curva_errata, "curva senza grado da 1 a 6, oppure il profilo supera 1000000 m"},
        {errori::intestazione_occupata, "intestazione già occupata: la cella 1 ha già un valore"},
        {errori::codice_controllo_occupato,
         "intestazione già occupata: la cella 1 ha già un codice di controllo"},
    };
    const auto trovato = messaggi.find(codice);
    return trovato == messaggi.end() ? "errore sconosciuto" : trovato->second;
}
