#pragma once

#include <cstring>
#include <string>

#include "model/guasto.h"

// "impossibile aprire F: No such file or directory": what failed, on which file, and why.
[[noreturn]] inline void fallisci_posix(const std::string& cosa, const std::string& percorso,
                                        int codice) {
    throw guasto(cosa + " " + percorso + ": " + std::strerror(codice));
}
