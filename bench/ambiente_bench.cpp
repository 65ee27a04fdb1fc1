#include "ambiente_bench.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/guasto.h"
#include "output/file_atomico.h"
#include "scenario_lungo.h"

std::string base_disco() {
    return cartella_temporanea_di_sistema();
}

std::string base_memoria() {
    struct stat info {};
    return ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "";
}

richiesta_compilazione prepara_linea_lunga(const std::string& sorgenti, const std::string& uscita,
                                           bool senza_profilo) {
    const std::string base = sorgenti + "/" + nome_linea_lunga;
    richiesta_compilazione r{base + "_linea.txt",
                             base + "_" + numero_treno_lungo + "-.txt",
                             uscita,
                             nome_linea_lunga,
                             numero_treno_lungo,
                             senza_profilo,
                             false};
    scrivi_file_intero(r.file_linea, testo_linea_lunga());
    scrivi_file_intero(r.file_treno, testo_treno_lungo());
    return r;
}

void scrivi_sorgenti_lunghe(const Form1& f) {
    scrivi_file_intero(f.percorso_file_linea(), testo_linea_lunga());
    scrivi_file_intero(f.percorso_file_treno(), testo_treno_lungo());
}

std::vector<std::size_t> dimensioni_file(const std::string& cartella) {
    std::vector<std::size_t> dimensioni;
    for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
        if (voce.is_regular_file()) dimensioni.push_back(voce.file_size());
    }
    return dimensioni;
}
