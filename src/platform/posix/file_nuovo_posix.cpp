#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/file_nuovo.h"
#include "platform/percorsi.h"
#include "platform/posix/errore_sistema.h"

namespace {

// Read once: the mask cannot be read without setting it, and nothing here changes it.
mode_t permessi_nuovi_file() {
    static const mode_t permessi = [] {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        return static_cast<mode_t>(0666 & ~maschera);
    }();
    return permessi;
}

// A hidden name in the target's folder, so that the rename never crosses a file system.
std::string modello_accanto(const std::string& destinazione) {
    std::string modello(cartella_in_percorso(destinazione));
    if (modello.empty()) modello = "./";
    // Appended piece by piece: g++ 12 sees a false overlap in a chain of '+' (-Wrestrict).
    modello += '.';
    modello += nome_in_percorso(destinazione);
    modello += ".XXXXXX";
    return modello;
}

}  // namespace

file_nuovo::file_nuovo(const std::string& destinazione)
    : destinazione_(destinazione), percorso_(modello_accanto(destinazione)) {
    const int fd = ::mkstemp(percorso_.data());
    if (fd < 0) fallisci("impossibile creare", errno);
    maniglia_ = fd;
    if (::fchmod(fd, permessi_nuovi_file()) != 0) fallisci("impossibile creare", errno);
}

file_nuovo::~file_nuovo() {
    if (maniglia_ >= 0) ::close(static_cast<int>(maniglia_));
}

void file_nuovo::fallisci(const std::string& cosa, long codice) const {
    fallisci_posix(cosa, destinazione_, static_cast<int>(codice));
}

void file_nuovo::scrivi(const void* dati, std::size_t n) {
    const char* byte = static_cast<const char*>(dati);
    while (n > 0) {
        const ssize_t scritti = ::write(static_cast<int>(maniglia_), byte, n);
        if (scritti < 0) {
            if (errno == EINTR) continue;
            fallisci("impossibile scrivere", errno);
        }
        byte += scritti;
        n -= static_cast<std::size_t>(scritti);
    }
}

void file_nuovo::scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) {
    const char* byte = static_cast<const char*>(dati);
    while (n > 0) {
        const ssize_t scritti =
            ::pwrite(static_cast<int>(maniglia_), byte, n, static_cast<off_t>(posizione));
        if (scritti < 0) {
            if (errno == EINTR) continue;
            fallisci("impossibile scrivere", errno);
        }
        byte += scritti;
        posizione += static_cast<std::uint64_t>(scritti);
        n -= static_cast<std::size_t>(scritti);
    }
}

void file_nuovo::chiudi() {
    if (maniglia_ < 0) return;
    const int fd = static_cast<int>(maniglia_);
    maniglia_ = -1;
    if (::close(fd) != 0) fallisci("impossibile scrivere", errno);
}

void sostituisci_file(const std::string& nuovo, const std::string& destinazione) {
    if (std::rename(nuovo.c_str(), destinazione.c_str()) != 0) {
        fallisci_posix("impossibile sostituire", destinazione, errno);
    }
}
