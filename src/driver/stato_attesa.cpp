#include "driver/stato_attesa.h"

#include <unistd.h>

#include <cstdio>

stato_attesa::stato_attesa(bool richiesto) : visibile_(richiesto && ::isatty(STDERR_FILENO)) {
    if (!visibile_) return;
    std::fputs("Attendere", stderr);
    std::fflush(stderr);
}

stato_attesa::~stato_attesa() {
    cancella();
}

void stato_attesa::cancella() {
    if (!visibile_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    visibile_ = false;
}
