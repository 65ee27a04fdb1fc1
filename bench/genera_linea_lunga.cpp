// Writes the longest line's two source files into a folder, for runs outside the benchmarks.
#include <cstdio>
#include <exception>
#include <string>

#include "output/file_atomico.h"
#include "scenario_lungo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: genera_linea_lunga CARTELLA\n");
        return 64;
    }
    const std::string base = std::string(argv[1]) + "/" + nome_linea_lunga;
    try {
        scrivi_file_intero(base + "_linea.txt", testo_linea_lunga());
        scrivi_file_intero(base + "_" + numero_treno_lungo + "-.txt", testo_treno_lungo());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "genera_linea_lunga: %s\n", e.what());
        return 1;
    }
    return 0;
}
