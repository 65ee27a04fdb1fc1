// A hundred trains on the longest line: one command for all of them, next to one command per
// train, as processes a user starts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ambiente_bench.h"
#include "output/file_atomico.h"
#include "scenario_lungo.h"

namespace {

constexpr int numero_treni = 100;

// The longest line and a hundred run files on it, in a folder of their own.
struct cento_treni {
    cartella_bench cartella{base_disco()};
    std::string file_linea = scrivi_linea_lunga(cartella.percorso()).file_linea;
    std::vector<std::string> file_treni;
    std::string uscita = cartella.file("uscita");

    cento_treni() {
        std::filesystem::create_directory(uscita);
        for (int i = 1; i <= numero_treni; ++i) {
            file_treni.push_back(
                cartella.file(std::string(nome_linea_lunga) + "_" + std::to_string(i) + "-.txt"));
            scrivi_file_intero(file_treni.back(), testo_treno_lungo());
        }
    }
    std::vector<std::string> comando(const std::vector<std::string>& treni) const {
        std::vector<std::string> a{COMPILA_ESEGUIBILE, "compile", file_linea};
        a.insert(a.end(), treni.begin(), treni.end());
        a.insert(a.end(), {"-o", uscita, "--quiet"});
        return a;
    }
};

void treni_un_comando(benchmark::State& state) {
    const cento_treni t;
    for (auto _ : state) {
        if (!avvia_programma(t.comando(t.file_treni))) {
            return state.SkipWithError("compile di cento treni fallito");
        }
    }
}

void treni_un_comando_per_treno(benchmark::State& state) {
    const cento_treni t;
    for (auto _ : state) {
        for (const std::string& treno : t.file_treni) {
            if (!avvia_programma(t.comando({treno}))) {
                return state.SkipWithError("compile di un treno fallito");
            }
        }
    }
}

}  // namespace

BENCHMARK(treni_un_comando)
    ->Name("treni/cento_un_comando")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(treni_un_comando_per_treno)
    ->Name("treni/cento_un_comando_per_treno")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
