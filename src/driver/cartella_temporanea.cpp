#include "driver/cartella_temporanea.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/guasto.h"

std::string cartella_temporanea_di_sistema() {
    const char* base = std::getenv("TMPDIR");
    return base != nullptr && *base != '\0' ? base : "/tmp";
}

cartella_temporanea::cartella_temporanea(const std::string& base) {
    std::string modello =
        (base.empty() ? cartella_temporanea_di_sistema() : base) + "/compila_scenario.XXXXXX";
    if (::mkdtemp(modello.data()) == nullptr) {
        throw guasto("impossibile creare una cartella temporanea: " +
                     std::string(std::strerror(errno)));
    }
    percorso_ = modello;
}

cartella_temporanea::~cartella_temporanea() {
    // The folder is ours: give it back its write permission, should anything have taken it.
    std::error_code ignorato;
    std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignorato);
    std::filesystem::remove_all(percorso_, ignorato);
}
