// Whole processes, as a user starts them, next to starting a process that does nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "ambiente_bench.h"

namespace {

void processo_true(benchmark::State& state) {
    for (auto _ : state) {
        if (!avvia_programma({"true"})) return state.SkipWithError("true non parte");
    }
}

// The program's own start: loading and starting it, without compiling anything.
void processo_versione(benchmark::State& state) {
    for (auto _ : state) {
        if (!avvia_programma({COMPILA_ESEGUIBILE, "--version"})) {
            return state.SkipWithError("compila_scenario --version fallito");
        }
    }
}

void processo_incorporato(benchmark::State& state, std::string (*base)()) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    for (auto _ : state) {
        if (!avvia_programma({COMPILA_ESEGUIBILE, "--dir", cartella.percorso(), "--quiet"})) {
            return state.SkipWithError("compila_scenario fallito");
        }
    }
}

void processo_compile_linea_lunga(benchmark::State& state) {
    cartella_bench cartella(base_disco());
    const linea_lunga_su_disco r = scrivi_linea_lunga(cartella.percorso());
    for (auto _ : state) {
        if (!avvia_programma({COMPILA_ESEGUIBILE, "compile", r.file_linea, r.file_treno, "-o",
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
