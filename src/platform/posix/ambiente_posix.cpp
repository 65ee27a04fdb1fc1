#include <stdlib.h>

#include "platform/ambiente.h"

const char* variabile_cartella_temporanea() {
    return "TMPDIR";
}

std::optional<std::string> leggi_variabile(const std::string& nome) {
    const char* valore = std::getenv(nome.c_str());
    return valore != nullptr ? std::optional<std::string>(valore) : std::nullopt;
}

void imposta_variabile(const std::string& nome, const std::optional<std::string>& valore) {
    if (valore) {
        ::setenv(nome.c_str(), valore->c_str(), 1);
    } else {
        ::unsetenv(nome.c_str());
    }
}
