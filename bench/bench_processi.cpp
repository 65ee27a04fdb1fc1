// Whole processes, as a user starts them, next to starting a process that does nothing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ambiente_bench.h"

extern char** environ;

namespace {

// Runs a program to its end, its output dropped; false when it could not start or did not exit
// with 0.
bool avvia(std::vector<std::string> argomenti) {
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

void processo_true(benchmark::State& state) {
    for (auto _ : state) {
        if (!avvia({"true"})) return state.SkipWithError("true non parte");
    }
}

// The program's own start: loading and starting it, without compiling anything.
void processo_versione(benchmark::State& state) {
    for (auto _ : state) {
        if (!avvia({COMPILA_ESEGUIBILE, "--version"})) {
            return state.SkipWithError("compila_scenario --version fallito");
        }
    }
}

void processo_incorporato(benchmark::State& state, std::string (*base)()) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    for (auto _ : state) {
        if (!avvia({COMPILA_ESEGUIBILE, "--dir", cartella.percorso(), "--quiet"})) {
            return state.SkipWithError("compila_scenario fallito");
        }
    }
}

void processo_compile_linea_lunga(benchmark::State& state) {
    cartella_bench cartella(base_disco());
    const linea_lunga_su_disco r = scrivi_linea_lunga(cartella.percorso());
    for (auto _ : state) {
        if (!avvia({COMPILA_ESEGUIBILE, "compile", r.file_linea, r.file_treno, "-o",
                    cartella.percorso(), "--quiet"})) {
            return state.SkipWithError("compila_scenario compile fallito");
        }
    }
}

}  // namespace

BENCHMARK(processo_true)->Name("processo/true")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(processo_versione)
    ->Name("processo/versione")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(processo_incorporato, disco, base_disco)
    ->Name("processo/incorporato_disco")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(processo_incorporato, memoria, base_memoria)
    ->Name("processo/incorporato_memoria")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(processo_compile_linea_lunga)
    ->Name("processo/compile_linea_lunga")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
