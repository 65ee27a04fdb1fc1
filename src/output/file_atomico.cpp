#include "output/file_atomico.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/guasto.h"

namespace {

std::string cartella_di(const std::string& percorso) {
    const auto barra = percorso.rfind('/');
    return barra == std::string::npos ? std::string(".") : percorso.substr(0, barra + 1);
}

std::string nome_di(const std::string& percorso) {
    const auto barra = percorso.rfind('/');
    return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

// Read once: the mask cannot be read without setting it, and nothing here changes it.
mode_t permessi_nuovi_file() {
    static const mode_t permessi = [] {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        return static_cast<mode_t>(0666 & ~maschera);
    }();
    return permessi;
}

}  // namespace

file_atomico::file_atomico(std::string percorso) : percorso_(std::move(percorso)) {
    std::string modello = cartella_di(percorso_);
    if (modello.back() != '/') modello += '/';
    modello += '.';
    modello += nome_di(percorso_);
    modello += ".XXXXXX";
    fd_ = ::mkstemp(modello.data());
    if (fd_ < 0) fallisci("impossibile creare", errno);
    temporaneo_ = modello;
    if (::fchmod(fd_, permessi_nuovi_file()) != 0) fallisci("impossibile creare", errno);
}

file_atomico::~file_atomico() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
}

void file_atomico::fallisci(const std::string& cosa, int codice) {
    throw guasto(cosa + " " + percorso_ + ": " + std::strerror(codice));
}

void file_atomico::scrivi_tutto(const char* dati, std::size_t n) {
    while (n > 0) {
        const ssize_t scritti = ::write(fd_, dati, n);
        if (scritti < 0) {
            if (errno == EINTR) continue;
            fallisci("impossibile scrivere", errno);
        }
        dati += scritti;
        n -= static_cast<std::size_t>(scritti);
    }
}

void file_atomico::scrivi(const void* dati, std::size_t n) {
    scrivi_tutto(static_cast<const char*>(dati), n);
}

void file_atomico::scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) {
    const char* byte = static_cast<const char*>(dati);
    while (n > 0) {
        const ssize_t scritti = ::pwrite(fd_, byte, n, static_cast<off_t>(posizione));
        if (scritti < 0) {
            if (errno == EINTR) continue;
            fallisci("impossibile scrivere", errno);
        }
        byte += scritti;
        posizione += static_cast<std::uint64_t>(scritti);
        n -= static_cast<std::size_t>(scritti);
    }
}

void file_atomico::completa() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fallisci("impossibile scrivere", errno);
}

void file_atomico::conferma() {
    completa();
    if (::rename(temporaneo_.c_str(), percorso_.c_str()) != 0) {
        fallisci("impossibile sostituire", errno);
    }
    temporaneo_.clear();
}

void scrivi_file_intero(const std::string& percorso, std::string_view contenuto) {
    file_atomico file(percorso);
    file.scrivi(contenuto);
    file.conferma();
}
