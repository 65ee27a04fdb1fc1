#include <unistd.h>

#include <cerrno>

#include "platform/cancellazione.h"
#include "platform/posix/errore_sistema.h"

void cancella_file(const std::string& percorso) {
    if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) {
        fallisci_posix("impossibile cancellare", percorso, errno);
    }
}

void cancella_se_esiste(const std::string& percorso) noexcept {
    ::unlink(percorso.c_str());
}
