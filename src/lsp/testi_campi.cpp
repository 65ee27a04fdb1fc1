#include "lsp/testi_campi.h"

std::string larghezza_e_intervallo(const descrizione_valore& valore) {
    if (valore.larghezza == larghezza_valore::testo)
        return "text, to the next comma or the end of the line";
    return std::string(nome_larghezza(valore.larghezza)) + ", " + std::to_string(valore.minimo) +
           " to " + std::to_string(valore.massimo);
}

std::string nome_del_file(sorgente file) {
    return file == sorgente::file_treno ? "train run file" : "line file";
}
