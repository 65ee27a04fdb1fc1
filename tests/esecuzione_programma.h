#pragma once

#include <string>
#include <vector>

// Runs the real compila_scenario binary, as a user would, and keeps what it printed.
struct risultato_programma {
    int stato = -1;
    std::string out;
    std::string err;
};

risultato_programma esegui_programma(const std::vector<std::string>& argomenti,
                                     const std::string& cartella_lavoro = ".");

// A private folder for one test, removed afterwards.
class cartella_prova {
  public:
    cartella_prova();
    ~cartella_prova();
    cartella_prova(const cartella_prova&) = delete;
    cartella_prova& operator=(const cartella_prova&) = delete;

    const std::string& percorso() const { return percorso_; }
    std::string operator/(const std::string& nome) const { return percorso_ + "/" + nome; }

  private:
    std::string percorso_;
};

void scrivi(const std::string& percorso, const std::string& contenuto);
std::string leggi(const std::string& percorso);
bool esiste(const std::string& percorso);
// The names in a folder, sorted.
std::vector<std::string> contenuto_cartella(const std::string& percorso);
