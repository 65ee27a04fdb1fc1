#include "driver/cartella_programma.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "model/guasto.h"

std::string cartella_programma() {
    std::vector<char> percorso(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", percorso.data(), percorso.size());
        if (n < 0) {
            throw guasto(std::string("impossibile trovare la cartella del programma: ") +
                         std::strerror(errno));
        }
        if (static_cast<std::size_t>(n) < percorso.size()) {
            const std::string completo(percorso.data(), static_cast<std::size_t>(n));
            const auto barra = completo.rfind('/');
            return barra == 0 ? "/" : completo.substr(0, barra);
        }
        percorso.resize(percorso.size() * 2);
    }
}
