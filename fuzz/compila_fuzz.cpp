// libFuzzer target: one input, split at its first NUL byte into a line file and a train run
// file, compiled in memory with and without the profile. Besides the sanitizers it checks
// what a compilation promises: files are given only when it compiled, a fixed set of them,
// and the same texts compile to the same result twice.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compilazione/compila_testi.h"
#include "output/destinazione_memoria.h"

namespace {

[[noreturn]] void viola(const std::string& cosa) {
    std::fprintf(stderr, "violazione: %s\n", cosa.c_str());
    std::abort();
}

struct risultato {
    esito_compilazione esito;
    destinazione_memoria uscita;
};

void compila(const sorgenti_compilazione& sorgenti, bool senza_profilo, risultato& r) {
    opzioni_compilazione opzioni;
    opzioni.nome_linea = "F";
    opzioni.numero_treno = "1";
    opzioni.flag_j = senza_profilo ? 0 : 1;
    r.esito = compila_testi(sorgenti, opzioni, r.uscita);
}

void compila_e_verifica(const sorgenti_compilazione& sorgenti, bool senza_profilo) {
    risultato primo;
    compila(sorgenti, senza_profilo, primo);
    const bool compilato = primo.esito.fine == fine_compilazione::completata;
    const std::size_t attesi = !compilato ? 0 : senza_profilo ? 2 : 3;
    if (primo.uscita.file().size() != attesi) viola("numero di file confermati inatteso");
    if (primo.esito.file_prodotti.size() != attesi) viola("file prodotti non confermati");
    if (primo.esito.codice_errore != 0 && primo.esito.reperti.empty()) {
        viola("codice_errore senza alcun reperto");
    }
    risultato secondo;
    compila(sorgenti, senza_profilo, secondo);
    if (secondo.uscita.file() != primo.uscita.file() ||
        secondo.esito.codice_errore != primo.esito.codice_errore ||
        secondo.esito.posizione_errore != primo.esito.posizione_errore ||
        secondo.esito.reperti != primo.esito.reperti) {
        viola("due compilazioni degli stessi testi differiscono");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view tutto(reinterpret_cast<const char*>(dati), n);
    const std::size_t nul = tutto.find('\0');
    sorgenti_compilazione sorgenti;
    sorgenti.linea = {"F_linea.txt", std::string(tutto.substr(0, nul)), {}};
    sorgenti.treno = {
        "F_1-.txt",
        nul == std::string_view::npos ? std::string() : std::string(tutto.substr(nul + 1)),
        {}};
    compila_e_verifica(sorgenti, false);
    compila_e_verifica(sorgenti, true);
    return 0;
}
