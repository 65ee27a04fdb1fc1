// libFuzzer target: one input, split at its first NUL byte into a line file and a train run
// file, compiled through the path of the `compile` command with and without the profile.
// Besides the sanitizers it checks what a run promises about files: the sources stay as
// they were, no temporary file or folder is left, and files are written only when compiled.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/compilazione.h"
#include "output/file_atomico.h"
#include "platform/cartella_temporanea.h"
#include "platform/lettura_file.h"

namespace {

namespace fs = std::filesystem;

// One private folder per process, removed at exit. compila's own private folders go
// under it too, so that a folder left behind shows up here.
const std::string& cartella() {
    static const cartella_temporanea privata;
    return privata.percorso();
}

[[noreturn]] void viola(const std::string& cosa) {
    std::fprintf(stderr, "violazione: %s\n", cosa.c_str());
    std::abort();
}

std::vector<std::string> nomi_in(const std::string& percorso) {
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(percorso)) {
        nomi.push_back(voce.path().filename().string());
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

struct sorgenti {
    std::string linea;
    std::string treno;
};

void compila_e_verifica(const sorgenti& testo, bool senza_profilo) {
    const std::string& base = cartella();
    const std::string uscita = base + "/uscita";
    const richiesta_compilazione richiesta{
        base + "/F_linea.txt", base + "/F_1-.txt", uscita, "F", "1", senza_profilo, false};
    Form1 f;
    const rapporto_esecuzione r = compila(f, richiesta);

    if (leggi_file(richiesta.file_linea) != testo.linea ||
        leggi_file(richiesta.file_treno) != testo.treno) {
        viola("un file sorgente è cambiato");
    }
    const std::vector<std::string> attesi{"F_1-.txt", "F_linea.txt", "uscita"};
    if (nomi_in(base) != attesi) viola("resta qualcosa nella cartella privata");

    std::vector<std::string> scritti = f.file_scritti;
    std::sort(scritti.begin(), scritti.end());
    if (nomi_in(uscita) != scritti) viola("i file in uscita non sono quelli scritti");
    const bool compilato = r.esito == esito_esecuzione::ok || r.esito == esito_esecuzione::finding;
    const std::size_t attesi_scritti = !compilato ? 0 : senza_profilo ? 2 : 3;
    if (scritti.size() != attesi_scritti) viola("numero di file scritti inatteso");
    if ((r.esito == esito_esecuzione::ok) != (f.codice_errore == 0 && compilato)) {
        viola("esito ok senza codice_errore 0");
    }
    for (const std::string& nome : scritti) fs::remove(uscita + "/" + nome);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("TMPDIR", cartella().c_str(), 1);
    fs::create_directory(cartella() + "/uscita");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view tutto(reinterpret_cast<const char*>(dati), n);
    const std::size_t nul = tutto.find('\0');
    sorgenti testo;
    testo.linea = std::string(tutto.substr(0, nul));
    if (nul != std::string_view::npos) testo.treno = std::string(tutto.substr(nul + 1));
    scrivi_file_intero(cartella() + "/F_linea.txt", testo.linea);
    scrivi_file_intero(cartella() + "/F_1-.txt", testo.treno);
    compila_e_verifica(testo, false);
    compila_e_verifica(testo, true);
    return 0;
}
