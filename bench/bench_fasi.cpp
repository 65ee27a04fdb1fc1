// The phases of the longest line's compilation, one at a time, in a folder on disk.
#include <benchmark/benchmark.h>

#include <string>

#include "ambiente_bench.h"
#include "compilazione/ambiente.h"
#include "model/form1.h"
#include "output/destinazione_scarto.h"
#include "output/file_atomico.h"
#include "output/formato_binario.h"
#include "scenario_lungo.h"

namespace {

// What memorizza_dati reads the longest line through, as a compilation gives it.
struct lettura_lunga {
    sorgenti_compilazione sorgenti = sorgenti_lunghe();
    opzioni_compilazione opzioni = opzioni_lunghe(false);
    destinazione_scarto scarto;
    ambiente_compilazione ambiente{sorgenti, opzioni, scarto, {}, {}, false, false};

    // A model ready for memorizza_dati, as memorizza_percorso leaves it.
    Form1 pronto() {
        Form1 f;
        f.ambiente = &ambiente;
        f.nome_linea = nome_linea_lunga;
        f.numero_treno = numero_treno_lungo;
        f.flag_j = 1;
        return f;
    }
};

lettura_lunga& lettura() {
    static lettura_lunga l;
    return l;
}

// The model after both readers, kept for the phases that follow them.
const Form1& modello_letto() {
    static const Form1 letto = [] {
        Form1 f = lettura().pronto();
        f.memorizza_dati();
        return f;
    }();
    return letto;
}

const Form1& modello_codificato() {
    static const Form1 codificato = [] {
        Form1 f = modello_letto();
        f.assegna_codici();
        return f;
    }();
    return codificato;
}

void fase_memorizza_dati(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Form1 f = lettura().pronto();
        state.ResumeTiming();
        f.memorizza_dati();
        state.PauseTiming();
        if (f.codice_errore != 0) state.SkipWithError("errore di lettura");
        f = Form1{};
        state.ResumeTiming();
    }
}

void fase_assegna_codici(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Form1 f = modello_letto();
        state.ResumeTiming();
        f.assegna_codici();
        state.PauseTiming();
        f = Form1{};
        state.ResumeTiming();
    }
}

template <typename Scrivi>
void scrivi_file(benchmark::State& state, Scrivi&& scrivi) {
    cartella_bench cartella(base_disco());
    const Form1& f = modello_codificato();
    for (auto _ : state) {
        file_atomico file(cartella.percorso() + "/uscita");
        scrivi(file, f);
        file.conferma();
    }
}

void fase_scrivi_profilo(benchmark::State& state) {
    scrivi_file(state,
                [](file_atomico& file, const Form1& f) { scrivi_profilo(file, f.profilo_linea); });
}

void fase_scrivi_tabella(benchmark::State& state) {
    scrivi_file(state, [](file_atomico& file, const Form1& f) {
        file.scrivi(codifica_tabella(f.tabella_sim));
    });
}

void fase_scrivi_celle(benchmark::State& state) {
    scrivi_file(state, [](file_atomico& file, const Form1& f) { scrivi_celle(file, f.celle); });
}

}  // namespace

BENCHMARK(fase_memorizza_dati)
    ->Name("fase/memorizza_dati")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(fase_assegna_codici)
    ->Name("fase/assegna_codici")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(fase_scrivi_profilo)
    ->Name("fase/scrivi_profilo")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(fase_scrivi_tabella)
    ->Name("fase/scrivi_tabella")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(fase_scrivi_celle)
    ->Name("fase/scrivi_celle")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
