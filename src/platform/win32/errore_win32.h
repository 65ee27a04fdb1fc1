#pragma once

#include <string>

// "impossibile aprire F: <the system's text for the code>", as a fault.
[[noreturn]] void fallisci_win32(const std::string& cosa, const std::string& percorso,
                                 unsigned long codice);
