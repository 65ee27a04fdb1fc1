#include "compilazione/ambiente.h"
#include "model/form1.h"
#include "model/guasto.h"

// Shows " Errore n. " and the code in the message box, keeps its answer, and ends the run:
// the exception carries the text to the driver, and nothing after the call runs.
void Form1::errore(const std::string& a) {
    constexpr std::int32_t risposta_ok = 1;
    errore_fatale fine(a);
    const auto* casella = ambiente != nullptr ? &ambiente->opzioni.casella_errore : nullptr;
    risposta_errore = casella != nullptr && *casella ? (*casella)(fine.what()) : risposta_ok;
    throw fine;
}
