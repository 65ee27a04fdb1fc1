#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "model/guasto.h"
#include "platform/cartella_programma.h"
#include "platform/percorsi.h"

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
            const std::string_view cartella = cartella_in_percorso(completo);
            return cartella.size() <= 1 ? std::string(cartella)
                                        : std::string(cartella.substr(0, cartella.size() - 1));
        }
        percorso.resize(percorso.size() * 2);
    }
}
