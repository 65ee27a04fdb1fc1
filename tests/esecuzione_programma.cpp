#include "esecuzione_programma.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string tra_apici(const std::string& s) {
    std::string r = "'";
    for (const char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

}  // namespace

cartella_prova::cartella_prova() {
    std::string modello = std::filesystem::temp_directory_path().string() + "/prova.XXXXXX";
    if (::mkdtemp(modello.data()) == nullptr) throw std::runtime_error("mkdtemp");
    percorso_ = modello;
}

cartella_prova::~cartella_prova() {
    std::error_code ignorato;
    std::filesystem::remove_all(percorso_, ignorato);
}

void scrivi(const std::string& percorso, const std::string& contenuto) {
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::string leggi(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool esiste(const std::string& percorso) {
    return std::filesystem::exists(percorso);
}

std::vector<std::string> contenuto_cartella(const std::string& percorso) {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(percorso)) {
        nomi.push_back(voce.path().filename().string());
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

risultato_programma esegui_programma(const std::vector<std::string>& argomenti,
                                     const std::string& cartella_lavoro) {
    cartella_prova uscite;
    std::string comando = "cd " + tra_apici(cartella_lavoro) + " && " + COMPILA_ESEGUIBILE;
    for (const auto& a : argomenti) comando += " " + tra_apici(a);
    comando += " >" + tra_apici(uscite / "out") + " 2>" + tra_apici(uscite / "err");
    const int stato = std::system(comando.c_str());
    risultato_programma r;
    r.stato = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    r.out = leggi(uscite / "out");
    r.err = leggi(uscite / "err");
    return r;
}
