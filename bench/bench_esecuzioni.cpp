// Whole runs: the embedded scenario and the longest line, each next to its write floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ambiente_bench.h"
#include "driver/esecuzione_incorporata.h"
#include "model/guasto.h"
#include "output/destinazione_memoria.h"

namespace {

void incorporato(benchmark::State& state, std::string (*base)(), bool avvisi = true) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    opzioni_avvisi opzioni;
    opzioni.attivi = avvisi;
    for (auto _ : state) {
        if (esegui_incorporato({cartella.percorso(), true, false, opzioni}) != 0) {
            return state.SkipWithError("scenario con errori");
        }
    }
}

void linea_lunga(benchmark::State& state, std::string (*base)(), bool senza_profilo) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    const linea_lunga_su_disco sorgenti = scrivi_linea_lunga(cartella.percorso());
    for (auto _ : state) {
        const esito_compilazione e =
            compila_linea_lunga(sorgenti, cartella.percorso(), senza_profilo);
        if (e.codice_errore != 0 || e.fine != fine_compilazione::completata) {
            return state.SkipWithError("la linea lunga non compila");
        }
    }
}

// The compilation alone: sources in memory, files kept in memory.
void linea_lunga_in_memoria(benchmark::State& state) {
    const sorgenti_compilazione sorgenti = sorgenti_lunghe();
    for (auto _ : state) {
        destinazione_memoria uscita;
        const esito_compilazione e = compila_testi(sorgenti, opzioni_lunghe(false), uscita);
        if (e.codice_errore != 0) return state.SkipWithError("la linea lunga non compila");
        benchmark::DoNotOptimize(uscita.file());
    }
}

// The least any compiler could spend on the output: the same byte counts, each file
// written from memory with one call, in a folder on the same file system.
void scrivi_in_un_colpo(const std::string& percorso, const std::vector<char>& byte) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw guasto("open " + percorso);
    const bool ok = ::write(fd, byte.data(), byte.size()) == static_cast<ssize_t>(byte.size());
    if (::close(fd) != 0 || !ok) throw guasto("write " + percorso);
}

void pavimento(benchmark::State& state, std::string (*base)(), bool senza_profilo) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench sorgenti(base());
    cartella_bench uscita(base());
    compila_linea_lunga(scrivi_linea_lunga(sorgenti.percorso()), uscita.percorso(), senza_profilo);
    std::vector<std::vector<char>> contenuti;
    std::int64_t totale = 0;
    for (const std::size_t n : dimensioni_file(uscita.percorso())) {
        contenuti.emplace_back(n, '\x5a');
        totale += static_cast<std::int64_t>(n);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < contenuti.size(); ++i) {
            scrivi_in_un_colpo(uscita.percorso() + "/pavimento_" + std::to_string(i), contenuti[i]);
        }
    }
    state.SetBytesProcessed(state.iterations() * totale);
}

}  // namespace

BENCHMARK_CAPTURE(incorporato, disco, base_disco)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(incorporato, memoria, base_memoria)->Unit(benchmark::kMillisecond)->UseRealTime();
// The same run without the warnings (-w): the difference is what the checking pass costs.
BENCHMARK_CAPTURE(incorporato, memoria_senza_avvisi, base_memoria, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(linea_lunga, disco_profilo, base_disco, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(pavimento, disco_profilo, base_disco, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(linea_lunga, memoria_profilo, base_memoria, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(pavimento, memoria_profilo, base_memoria, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(linea_lunga_in_memoria)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(linea_lunga, disco_senza_profilo, base_disco, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(pavimento, disco_senza_profilo, base_disco, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
