#include <unistd.h>

#include "platform/console.h"

// Terminals here take whatever bytes they get; the locale decides how they look.
console_utf8::console_utf8() = default;
console_utf8::~console_utf8() = default;

bool errori_su_terminale() {
    return ::isatty(STDERR_FILENO) != 0;
}

std::string cancella_riga(std::size_t) {
    return "\r\033[K";
}

bool lascia_console_propria() {
    return false;
}
