#include "esecuzione_programma.h"

#include "platform/processo.h"

risultato_programma esegui_programma(const std::vector<std::string>& argomenti,
                                     const std::string& cartella_lavoro) {
    aiuto::cartella_temporanea uscite;
    risultato_programma r;
    r.stato = esegui_e_attendi(COMPILA_ESEGUIBILE, argomenti, cartella_lavoro, uscite.file("out"),
                               uscite.file("err"));
    r.out = aiuto::leggi(uscite.file("out"));
    r.err = aiuto::leggi(uscite.file("err"));
    return r;
}
