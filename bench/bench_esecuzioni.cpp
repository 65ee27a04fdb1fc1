// Whole runs: the embedded scenario and the longest line, each next to its write floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ambiente_bench.h"
#include "model/guasto.h"

namespace {

void incorporato(benchmark::State& state, std::string (*base)()) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    for (auto _ : state) {
        Form1 f;
        f.cartella = cartella.percorso();
        f.Form_Load();
        if (f.codice_errore != 0) return state.SkipWithError("scenario con errori");
    }
}

void linea_lunga(benchmark::State& state, std::string (*base)(), bool senza_profilo) {
    if (base().empty()) return state.SkipWithError("nessun tmpfs");
    cartella_bench cartella(base());
    const richiesta_compilazione r =
        prepara_linea_lunga(cartella.percorso(), cartella.percorso(), senza_profilo);
    for (auto _ : state) {
        Form1 f;
        const rapporto_esecuzione esito = compila(f, r);
        if (esito.esito != esito_esecuzione::ok)
            return state.SkipWithError(esito.messaggio.c_str());
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
    Form1 f;
    compila(f, prepara_linea_lunga(sorgenti.percorso(), uscita.percorso(), senza_profilo));
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
BENCHMARK_CAPTURE(linea_lunga, disco_senza_profilo, base_disco, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(pavimento, disco_senza_profilo, base_disco, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
