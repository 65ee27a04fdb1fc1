#include "ambiente_bench.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "output/destinazione_cartella.h"
#include "output/file_atomico.h"
#include "platform/lettura_file.h"
#include "scenario_lungo.h"

extern char** environ;

std::string base_disco() {
    return cartella_temporanea_di_sistema();
}

std::string base_memoria() {
    struct stat info {};
    return ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "";
}

linea_lunga_su_disco scrivi_linea_lunga(const std::string& cartella) {
    const std::string base = cartella + "/" + nome_linea_lunga;
    linea_lunga_su_disco l{base + "_linea.txt", base + "_" + numero_treno_lungo + "-.txt"};
    scrivi_file_intero(l.file_linea, testo_linea_lunga());
    scrivi_file_intero(l.file_treno, testo_treno_lungo());
    return l;
}

sorgenti_compilazione sorgenti_lunghe() {
    return {{"linea", testo_linea_lunga(), {}}, {"treno", testo_treno_lungo(), {}}};
}

opzioni_compilazione opzioni_lunghe(bool senza_profilo) {
    opzioni_compilazione o;
    o.nome_linea = nome_linea_lunga;
    o.numero_treno = numero_treno_lungo;
    o.flag_j = senza_profilo ? 0 : 1;
    return o;
}

esito_compilazione compila_linea_lunga(const linea_lunga_su_disco& sorgenti,
                                       const std::string& uscita, bool senza_profilo) {
    const sorgenti_compilazione testi{{sorgenti.file_linea, leggi_file(sorgenti.file_linea), {}},
                                      {sorgenti.file_treno, leggi_file(sorgenti.file_treno), {}}};
    destinazione_cartella cartella(uscita);
    return compila_testi(testi, opzioni_lunghe(senza_profilo), cartella);
}

std::vector<std::size_t> dimensioni_file(const std::string& cartella) {
    std::vector<std::size_t> dimensioni;
    for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
        if (voce.is_regular_file()) dimensioni.push_back(voce.file_size());
    }
    return dimensioni;
}

bool avvia_programma(std::vector<std::string> argomenti) {
    std::vector<char*> argv;
    for (std::string& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    ::posix_spawn_file_actions_init(&azioni);
    ::posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int esito = ::posix_spawnp(&pid, argv[0], &azioni, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&azioni);
    if (esito != 0) return false;
    int stato = 0;
    return ::waitpid(pid, &stato, 0) == pid && WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}
