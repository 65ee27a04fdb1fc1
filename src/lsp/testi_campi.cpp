#include "lsp/testi_campi.h"

namespace {

std::string intervallo(const descrizione_valore& valore) {
    return ", da " + std::to_string(valore.minimo) + " a " + std::to_string(valore.massimo);
}

}  // namespace

std::string larghezza_e_intervallo(const descrizione_valore& valore) {
    switch (valore.larghezza) {
        case larghezza_valore::byte:
            return "intero senza segno a 8 bit" + intervallo(valore);
        case larghezza_valore::intero16:
            return "intero a 16 bit" + intervallo(valore);
        case larghezza_valore::intero32:
            return "intero a 32 bit" + intervallo(valore);
        case larghezza_valore::testo:
            break;
    }
    return "testo, fino alla virgola o alla fine della riga";
}

std::string nome_del_file(sorgente file) {
    return file == sorgente::file_treno ? "file di marcia" : "file di linea";
}
