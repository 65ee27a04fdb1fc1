#include "platform/riga_comando.h"

std::vector<std::string> argomenti_programma(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}
