// libFuzzer target: one input, split at its first NUL byte into a line file and a train run
// file, compiled in memory. Besides the sanitizers it checks what a compilation promises:
// files are given only when it compiled, a fixed set of them, and the same texts compile to
// the same result twice.
//
// Encoding the profile costs a pass over every metre of the line and checking the result
// costs a second compilation: doing both for every input made the target seven times
// slower. So each input is compiled once, with or without the profile's reading, and one
// input in eight gets the whole treatment (the profile encoded, both modes, each twice).
// Which inputs is fixed by their bytes, so that a failure reproduces.
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
    bool prende_profilo = true;
    bool somma_i_byte = true;  // only a compilation that is compared needs its digests
    bool vuole(const std::string& nome) const override {
        return prende_profilo || !nome.ends_with("_linea.dat");
    }
    flusso_uscita& apri(const std::string& nome) override {
        aperti_.push_back(std::make_unique<flusso>(nome, somma_i_byte));
        return *aperti_.back();
    }
    void conferma() override {
        for (const auto& f : aperti_) confermati_[f->nome] = f->calcolata;
    }
    const std::map<std::string, impronta>& file() const { return confermati_; }

  private:
    struct flusso : flusso_uscita {
        flusso(std::string n, bool somma) : nome(std::move(n)), somma_i_byte(somma) {}
        void scrivi(const void* dati, std::size_t n) override { scrivi_in(fine, dati, n); }
        void scrivi_in(std::uint64_t posizione, const void* dati, std::size_t n) override {
            if (somma_i_byte) {
                const std::string_view byte(static_cast<const char*>(dati), n);
                const std::uint64_t dove = posizione * 0x9E3779B97F4A7C15u;
                calcolata.somma += std::hash<std::string_view>{}(byte) ^ dove;
            }
            fine = posizione + n;
            if (fine > calcolata.dimensione) calcolata.dimensione = fine;
        }
        std::string nome;
        bool somma_i_byte;
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

struct prova {
    bool con_profilo;     // the line is read with its profile (flag_j)
    bool scrive_profilo;  // and the profile is encoded, not declined
    bool ripetuta;        // and compiled a second time, to compare
};

void compila(const sorgenti_compilazione& sorgenti, const prova& p, risultato& r) {
    opzioni_compilazione opzioni;
    opzioni.nome_linea = "F";
    opzioni.numero_treno = "1";
    opzioni.flag_j = p.con_profilo ? 1 : 0;
    r.uscita.prende_profilo = p.scrive_profilo;
    r.uscita.somma_i_byte = p.ripetuta;
    r.esito = compila_testi(sorgenti, opzioni, r.uscita);
}

void compila_e_verifica(const sorgenti_compilazione& sorgenti, const prova& p) {
    risultato primo;
    compila(sorgenti, p, primo);
    const bool compilato = primo.esito.fine == fine_compilazione::completata;
    const std::size_t attesi = !compilato ? 0 : p.con_profilo && p.scrive_profilo ? 3 : 2;
    if (primo.uscita.file().size() != attesi) viola("numero di file confermati inatteso");
    if (primo.esito.file_prodotti.size() != attesi) viola("file prodotti non confermati");
    if (primo.esito.codice_errore != 0 && primo.esito.reperti.empty()) {
        viola("codice_errore senza alcun reperto");
    }
    if (!p.ripetuta) return;
    risultato secondo;
    compila(sorgenti, p, secondo);
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
    const std::size_t scelta = std::hash<std::string_view>{}(tutto);
    if (scelta % 8 == 0) {
        compila_e_verifica(sorgenti, {true, true, true});
        compila_e_verifica(sorgenti, {false, false, true});
    } else {
        compila_e_verifica(sorgenti, {(scelta / 8) % 2 == 0, false, false});
    }
    return 0;
}
