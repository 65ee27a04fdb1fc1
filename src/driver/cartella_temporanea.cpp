#include "driver/cartella_temporanea.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/guasto.h"

cartella_temporanea::cartella_temporanea() {
    const char* base = std::getenv("TMPDIR");
    std::string modello =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/compila_scenario.XXXXXX";
    if (::mkdtemp(modello.data()) == nullptr) {
        throw guasto("impossibile creare una cartella temporanea: " +
                     std::string(std::strerror(errno)));
    }
    percorso_ = modello;
}

cartella_temporanea::~cartella_temporanea() {
    std::error_code ignorato;
    std::filesystem::remove_all(percorso_, ignorato);
}
