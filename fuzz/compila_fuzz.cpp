// libFuzzer target: one input, split at its first NUL byte into a line file and a train run
// file, compiled in memory with and without the profile. Besides the sanitizers it checks
// what a compilation promises: files are given only when it compiled, a fixed set of them,
// and the same texts compile to the same result twice. That last check compiles everything
// again, so it runs for one input in eight, always the same ones: a failure reproduces.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compilazione/compila_testi.h"
#include "output/destinazione.h"

namespace {

[[noreturn]] void viola(const std::string& cosa) {
    std::fprintf(stderr, "violazione: %s\n", cosa.c_str());
    std::abort();
}

// What is kept of a file: its size and a digest of every write at its place. Keeping the
// bytes themselves (16 MB for a long profile) cost most of each execution in page faults.
struct impronta {
    std::uint64_t dimensione = 0;
    std::uint64_t somma = 0;  // a sum, so that the order of the writes does not matter
    bool operator==(const impronta&) const = default;
};

class destinazione_impronte : public destinazione {
  public:
    flusso_uscita& apri(const std::string& nome) override {
        aperti_.push_back(std::make_unique<flusso>(nome));
        return *aperti_.back();
    }
    void conferma() override {
        for (const auto& f : aperti_) confermati_[f->nome] = f->calcolata;
    }
    const std::map<std::string, impronta>& file() const { return confermati_; }

  private:
    struct flusso : flusso_uscita {
        explicit flusso(std::string n) : nome(std::move(n)) {}
        void scrivi(const void* dati, std::size_t n) override { scrivi_in(fine, dati, n); }
        void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
            const std::string_view byte(static_cast<const char*>(dati), n);
            const std::uint64_t dove = posizione * 0x9E3779B97F4A7C15u;
            calcolata.somma += std::hash<std::string_view>{}(byte) ^ dove;
            fine = posizione + n;
            if (fine > calcolata.dimensione) calcolata.dimensione = fine;
        }
        std::string nome;
        std::uint64_t fine = 0;
        impronta calcolata;
    };
    std::vector<std::unique_ptr<flusso>> aperti_;
    std::map<std::string, impronta> confermati_;
};

struct risultato {
    esito_compilazione esito;
    destinazione_impronte uscita;
};

void compila(const sorgenti_compilazione& sorgenti, bool senza_profilo, risultato& r) {
    opzioni_compilazione opzioni;
    opzioni.nome_linea = "F";
    opzioni.numero_treno = "1";
    opzioni.flag_j = senza_profilo ? 0 : 1;
    r.esito = compila_testi(sorgenti, opzioni, r.uscita);
}

void compila_e_verifica(const sorgenti_compilazione& sorgenti, bool senza_profilo,
                        bool anche_ripetuta) {
    risultato primo;
    compila(sorgenti, senza_profilo, primo);
    const bool compilato = primo.esito.fine == fine_compilazione::completata;
    const std::size_t attesi = !compilato ? 0 : senza_profilo ? 2 : 3;
    if (primo.uscita.file().size() != attesi) viola("numero di file confermati inatteso");
    if (primo.esito.file_prodotti.size() != attesi) viola("file prodotti non confermati");
    if (primo.esito.codice_errore != 0 && primo.esito.reperti.empty()) {
        viola("codice_errore senza alcun reperto");
    }
    if (!anche_ripetuta) return;
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
    const bool ripetuta = std::hash<std::string_view>{}(tutto) % 8 == 0;
    compila_e_verifica(sorgenti, false, ripetuta);
    compila_e_verifica(sorgenti, true, ripetuta);
    return 0;
}
