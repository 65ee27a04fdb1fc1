#include "esecuzione_programma.h"

#include <sys/wait.h>

#include <cstdlib>

namespace {

std::string tra_apici(const std::string& s) {
    std::string r = "'";
    for (const char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

}  // namespace

risultato_programma esegui_programma(const std::vector<std::string>& argomenti,
                                     const std::string& cartella_lavoro) {
    aiuto::cartella_temporanea uscite;
    std::string comando = "cd " + tra_apici(cartella_lavoro) + " && " + COMPILA_ESEGUIBILE;
    for (const auto& a : argomenti) comando += " " + tra_apici(a);
    comando += " >" + tra_apici(uscite.file("out")) + " 2>" + tra_apici(uscite.file("err"));
    const int stato = std::system(comando.c_str());
    risultato_programma r;
    r.stato = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    r.out = aiuto::leggi(uscite.file("out"));
    r.err = aiuto::leggi(uscite.file("err"));
    return r;
}
