#include "lsp/canale_standard.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#ifdef _WIN32

void prepara_canale_standard() {
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
}

std::size_t leggi_ingresso(char* dati, std::size_t capienza) {
    const int n = _read(0, dati, static_cast<unsigned>(capienza));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool scrivi_uscita(std::string_view dati) {
    while (!dati.empty()) {
        const int n = _write(1, dati.data(), static_cast<unsigned>(dati.size()));
        if (n <= 0) return false;
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

#else

void prepara_canale_standard() {
    std::signal(SIGPIPE, SIG_IGN);
}

std::size_t leggi_ingresso(char* dati, std::size_t capienza) {
    for (;;) {
        const ssize_t n = ::read(0, dati, capienza);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) return 0;
    }
}

bool scrivi_uscita(std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = ::write(1, dati.data(), dati.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

#endif
