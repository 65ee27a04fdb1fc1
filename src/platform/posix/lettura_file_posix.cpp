#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/lettura_file.h"
#include "platform/posix/errore_sistema.h"

tipo_file tipo_di(const std::string& percorso) {
    struct stat info {};
    if (::stat(percorso.c_str(), &info) != 0) return tipo_file::assente;
    if (S_ISREG(info.st_mode)) return tipo_file::ordinario;
    if (S_ISDIR(info.st_mode)) return tipo_file::cartella;
    return tipo_file::altro;
}

namespace {

// Closes the descriptor however the reading ends.
struct descrittore {
    int fd;
    ~descrittore() { ::close(fd); }
};

}  // namespace

std::string leggi_file(const std::string& percorso, std::size_t massimo) {
    // Non-blocking, so that opening a FIFO with no writer cannot hang the run.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) fallisci_posix("impossibile aprire", percorso, errno);
    const descrittore aperto{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) fallisci_posix("impossibile leggere", percorso, errno);
    if (!S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) fallisci_posix("impossibile leggere", percorso, EISDIR);
        throw guasto("impossibile leggere " + percorso + ": non è un file ordinario");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > massimo) file_troppo_grande(percorso, massimo);
    // One byte more than the file holds, so that the end shows without growing the buffer.
    std::string contenuto;
    contenuto.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t letti = 0;
    for (;;) {
        if (letti == contenuto.size()) contenuto.resize(contenuto.size() + 4096);
        const ssize_t n = ::read(fd, contenuto.data() + letti, contenuto.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fallisci_posix("impossibile leggere", percorso, errno);
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
        if (letti > massimo) file_troppo_grande(percorso, massimo);
    }
    contenuto.resize(letti);
    return contenuto;
}
