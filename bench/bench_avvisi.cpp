// What the warnings cost: the same compilation in memory, the checking pass off and on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "ambiente_bench.h"
#include "avvisi/controlla_testi.h"
#include "compilazione/ambiente.h"
#include "compilazione/compila_testi.h"
#include "output/destinazione_memoria.h"
#include "output/destinazione_scarto.h"
#include "source_text/scenario_incorporato.h"

namespace {

sorgenti_compilazione sorgenti_incorporate() {
    return {{"linea", testo_file_linea(), {}}, {"treno", testo_file_treno(), {}}};
}

opzioni_compilazione opzioni_incorporate() {
    opzioni_compilazione o;
    o.nome_linea = nome_linea_incorporata;
    o.numero_treno = numero_treno_incorporato;
    return o;
}

void compila(benchmark::State& state, const sorgenti_compilazione& sorgenti,
             opzioni_compilazione opzioni, bool avvisi) {
    opzioni.avvisi = avvisi;
    for (auto _ : state) {
        destinazione_memoria uscita;
        const esito_compilazione e = compila_testi(sorgenti, opzioni, uscita);
        if (e.codice_errore != 0 || !e.reperti.empty()) {
            return state.SkipWithError("lo scenario non compila pulito");
        }
        benchmark::DoNotOptimize(uscita.file());
    }
}

void incorporato_avvisi(benchmark::State& state, bool avvisi) {
    compila(state, sorgenti_incorporate(), opzioni_incorporate(), avvisi);
}

void linea_lunga_avvisi(benchmark::State& state, bool avvisi) {
    compila(state, sorgenti_lunghe(), opzioni_lunghe(false), avvisi);
}

// The checking pass alone, on texts that compiled cleanly: its cost beside the compilation's.
void solo_controllo(benchmark::State& state, const sorgenti_compilazione& sorgenti,
                    const opzioni_compilazione& opzioni) {
    destinazione_scarto scarto;
    for (auto _ : state) {
        ambiente_compilazione a{sorgenti, opzioni, scarto, {}, {}, false, false};
        controlla_testi(a);
        if (!a.reperti.empty()) return state.SkipWithError("lo scenario ha avvisi");
    }
}

void incorporato_solo_controllo(benchmark::State& state) {
    solo_controllo(state, sorgenti_incorporate(), opzioni_incorporate());
}

void linea_lunga_solo_controllo(benchmark::State& state) {
    solo_controllo(state, sorgenti_lunghe(), opzioni_lunghe(false));
}

// On a shared machine the least of the repetitions is the figure to compare.
double minimo(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

}  // namespace

BENCHMARK_CAPTURE(incorporato_avvisi, spenti, false)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK_CAPTURE(incorporato_avvisi, accesi, true)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK_CAPTURE(linea_lunga_avvisi, spenti, false)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK_CAPTURE(linea_lunga_avvisi, accesi, true)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK(incorporato_solo_controllo)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK(linea_lunga_solo_controllo)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
