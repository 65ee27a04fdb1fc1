#include "driver/messaggi_errore.h"

#include <map>

std::string messaggio_errore(std::int32_t codice) {
    static const std::map<std::int32_t, const char*> messaggi{
        {1, "lunghezza percorso mancante, negativa o oltre 1000000 m"},
        {2, "le progressive chilometriche devono avere inizio e fine multipli di 50 m"},
        {3, "l'inizio della ripetizione segnali non è multiplo di 50 m"},
        {4, "la fine della ripetizione segnali non è multipla di 50 m"},
        {5, "la riga di ripetizione segnali non indica né 4 né 9 codici"},
        {6, "il cartello indicatore cade su una cella già occupata"},
        {7, "l'abbattimento cade su una cella già occupata"},
        {8, "la posizione della stazione non è multipla di 50 m"},
        {9, "la lunghezza della stazione non è multipla di 100 m"},
        {10, "troppe stazioni: le righe della tabella libere dai cartelli indicatori sono finite"},
        {11, "davanti al segnale non c'è una cella libera per l'abbattimento"},
        {12, "prima dell'inizio del rallentamento non c'è una cella libera per l'abbattimento"},
        {13,
         "nel rallentamento o davanti al segnale che lo segue non c'è una cella libera per "
         "l'abbattimento"},
        {15, "posizione fuori dalla linea: oltre la fine del modello o prima dell'inizio"},
        {16, "il segnale cade su una cella già occupata"},
        {17,
         "l'avviso del rallentamento (1200 m prima dell'inizio) cade su una cella già occupata"},
        {18, "l'inizio del rallentamento cade su una cella già occupata"},
        {19, "la fine del rallentamento cade su una cella già occupata"},
        {20, "le quattro celle prima dell'avviso del rallentamento non sono libere"},
        {21, "l'indicatore di velocità massima cade su una cella già occupata"},
        {22,
         "la zona di fermata della stazione inizia meno di 350 m dopo la fine della "
         "precedente"},
        {24, "la zona di fermata della stazione finisce entro i primi 100 m della linea"},
        {25, "dato non leggibile"},
        {101, "file di linea non trovato"},
        {102, "manca la sezione [generale]"},
        {103, "curva senza grado da 1 a 6, oppure il profilo supera 1000000 m"},
        {1250, "intestazione già occupata: la cella 1 ha già un valore"},
        {1251, "intestazione già occupata: la cella 1 ha già un codice di controllo"},
    };
    const auto trovato = messaggi.find(codice);
    return trovato == messaggi.end() ? "errore sconosciuto" : trovato->second;
}
