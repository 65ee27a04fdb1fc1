// Each run set against its write floor, as processes, in interleaved pairs: a compile of the
// longest line and the embedded run, each next to a process that writes files of the same
// names and sizes into the same folder (pavimento_scrittura). Prints every pair's ratio and
// the median.
//   confronto_pavimento COMPILA_SCENARIO PAVIMENTO_SCRITTURA [COPPIE]
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/cartella_temporanea.h"
#include "output/file_atomico.h"
#include "scenario_lungo.h"
#include "source_text/scenario_incorporato.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs a program to its end; its wall time in milliseconds, or a negative value on failure.
double tempo_di(std::vector<std::string> argomenti) {
    std::vector<char*> argv;
    for (std::string& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto inizio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int stato = 0;
    if (::waitpid(pid, &stato, 0) != pid || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
        return -1;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio)
        .count();
}

// The files a run left in a folder, as NAME:SIZE arguments for the floor.
std::vector<std::string> file_scritti(const std::string& cartella) {
    std::vector<std::string> voci;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        if (voce.is_regular_file() && !nome.starts_with(".")) {
            voci.push_back(nome + ":" + std::to_string(voce.file_size()));
        }
    }
    return voci;
}

struct confronto {
    const char* nome;
    std::vector<std::string> comando;
    std::vector<std::string> pavimento;
};

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

bool misura(const confronto& c, int coppie) {
    std::vector<double> rapporti;
    std::printf("%s:\n", c.nome);
    for (int i = 0; i < coppie + 1; ++i) {
        const double t = tempo_di(c.comando);
        const double p = tempo_di(c.pavimento);
        if (t < 0 || p < 0) return false;
        if (i == 0) continue;  // the first pair warms the caches and the folder
        rapporti.push_back(t / p);
        std::printf("  coppia %2d: %7.2f ms / floor %7.2f ms = %.3f\n", i, t, p, t / p);
    }
    std::printf("  median ratio: %.3f\n", mediana(rapporti));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: confronto_pavimento COMPILA_SCENARIO PAVIMENTO [COPPIE]\n");
        return 64;
    }
    const std::string compilatore = argv[1];
    const std::string pavimento = argv[2];
    const int coppie = argc > 3 ? std::atoi(argv[3]) : 15;
    cartella_temporanea lunga, incorporata;
    const std::string base = lunga.percorso() + "/" + nome_linea_lunga;
    scrivi_file_intero(base + "_linea.txt", testo_linea_lunga());
    scrivi_file_intero(base + "_" + numero_treno_lungo + "-.txt", testo_treno_lungo());
    const std::vector<std::string> compila = {compilatore,
                                              "compile",
                                              base + "_linea.txt",
                                              base + "_" + numero_treno_lungo + "-.txt",
                                              "-o",
                                              lunga.percorso(),
                                              "--quiet"};
    const std::vector<std::string> incorpora = {compilatore, "--dir", incorporata.percorso(),
                                                "--quiet"};
    if (tempo_di(compila) < 0 || tempo_di(incorpora) < 0) return 1;
    std::vector<std::string> pav_lunga = {pavimento, lunga.percorso()};
    for (const std::string& v : file_scritti(lunga.percorso())) {
        if (v.find(".txt:") == std::string::npos) pav_lunga.push_back(v);  // not the sources
    }
    // The embedded run writes its two main text files too, and deletes them once read.
    std::vector<std::string> pav_incorporata = {pavimento, incorporata.percorso()};
    for (const std::string& v : file_scritti(incorporata.percorso())) pav_incorporata.push_back(v);
    const std::string nome = nome_linea_incorporata;
    pav_incorporata.push_back(nome + "_linea.txt:" + std::to_string(testo_file_linea().size()));
    pav_incorporata.push_back(nome + "_" + numero_treno_incorporato +
                              "-.txt:" + std::to_string(testo_file_treno().size()));
    const bool ok = misura({"longest line, compile", compila, pav_lunga}, coppie) &&
                    misura({"embedded run", incorpora, pav_incorporata}, coppie);
    return ok ? 0 : 1;
}
