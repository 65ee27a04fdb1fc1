#include "driver/uso.h"

#include <iostream>

int errore_uso(const std::string& messaggio) {
    std::cerr << "compila_scenario: " << messaggio << "\n"
              << "Try 'compila_scenario --help' for more information.\n";
    return uscita_uso;
}
