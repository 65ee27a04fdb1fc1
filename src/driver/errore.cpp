#include "model/form1.h"
#include "model/guasto.h"

// Reports a header conflict and ends the run: the exception carries the text to `main`.
void Form1::errore(const std::string& a) {
    risposta_errore = 1;  // the one OK answer
    throw errore_fatale(a);
}
