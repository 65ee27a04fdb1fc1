#include "driver/file_testo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "model/guasto.h"

namespace {

[[noreturn]] void fallisci(const std::string& cosa, const std::string& percorso, int codice) {
    throw guasto(cosa + " " + percorso + ": " + std::strerror(codice));
}

[[noreturn]] void troppo_grande(const std::string& percorso, std::size_t massimo) {
    throw guasto(percorso + " è troppo grande per un file di scenario (più di " +
                 std::to_string(massimo >> 20) + " MiB): non lo leggo");
}

}  // namespace

bool file_ordinario(const std::string& percorso) {
    struct stat info {};
    return ::stat(percorso.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string leggi_file(const std::string& percorso, std::size_t massimo) {
    // Non-blocking, so that opening a FIFO with no writer cannot hang the run.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) fallisci("impossibile aprire", percorso, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int codice = errno;
        ::close(fd);
        fallisci("impossibile leggere", percorso, codice);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        if (S_ISDIR(info.st_mode)) fallisci("impossibile leggere", percorso, EISDIR);
        throw guasto("impossibile leggere " + percorso + ": non è un file ordinario");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > massimo) {
        ::close(fd);
        troppo_grande(percorso, massimo);
    }
    // One byte more than the file holds, so that the end shows without growing the buffer.
    std::string contenuto;
    contenuto.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t letti = 0;
    for (;;) {
        if (letti == contenuto.size()) contenuto.resize(contenuto.size() + 4096);
        const ssize_t n = ::read(fd, contenuto.data() + letti, contenuto.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int codice = errno;
            ::close(fd);
            fallisci("impossibile leggere", percorso, codice);
        }
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
        if (letti > massimo) {
            ::close(fd);
            troppo_grande(percorso, massimo);
        }
    }
    ::close(fd);
    contenuto.resize(letti);
    return contenuto;
}

void cancella_file(const std::string& percorso) {
    if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) {
        fallisci("impossibile cancellare", percorso, errno);
    }
}

void cancella_se_esiste(const std::string& percorso) noexcept {
    ::unlink(percorso.c_str());
}
