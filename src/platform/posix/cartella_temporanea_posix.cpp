#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/guasto.h"
#include "platform/cartella_temporanea.h"
#include "platform/percorsi.h"
#include "platform/percorso_fs.h"

std::string cartella_temporanea_di_sistema() {
    const char* base = std::getenv("TMPDIR");
    return base != nullptr && *base != '\0' ? base : "/tmp";
}

std::string crea_cartella_unica(const std::string& base, const std::string& prefisso) {
    std::string modello = unisci_percorso(base, prefisso + "XXXXXX");
    if (::mkdtemp(modello.data()) == nullptr) {
        throw guasto("impossibile creare una cartella temporanea: " +
                     std::string(std::strerror(errno)));
    }
    return modello;
}

void rimuovi_albero(const std::string& percorso) noexcept {
    namespace fs = std::filesystem;
    std::error_code ignorato;
    // The folder is ours: give it back its write permission, should anything have taken it.
    fs::permissions(percorso_fs(percorso), fs::perms::owner_all, fs::perm_options::add, ignorato);
    fs::remove_all(percorso_fs(percorso), ignorato);
}
