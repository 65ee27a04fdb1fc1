#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "compilazione/ambiente.h"
#include "compilazione/compila_testi.h"
#include "platform/cartella_temporanea.h"
#include "model/form1.h"
#include "output/destinazione_memoria.h"

namespace aiuto {

// A fresh folder under the system temp folder, removed with everything in it.
using cartella_temporanea = ::cartella_temporanea;

void scrivi(const std::string& percorso, std::string_view contenuto);
std::string leggi(const std::string& percorso);
bool esiste(const std::string& percorso);
// Names in the folder, sorted; hidden files included.
std::string elenco(const std::string& cartella);

// Hex digest of the bytes.
std::string sha256(std::string_view dati);

// Joins lines, each followed by CR LF, as the writers lay out a text file.
std::string righe_crlf(std::initializer_list<std::string_view> righe);

// A whole compilation of two texts in memory, and the files it confirmed.
struct compilato {
    esito_compilazione esito;
    std::map<std::string, std::string> file;
};
compilato compila_in_memoria(std::string_view linea, std::string_view treno,
                             std::int32_t flag_j = 1, const std::string& nome_linea = "L",
                             const std::string& numero_treno = "T");

// A model driven routine by routine in a test, wired to texts and files in memory:
// line "L", train "T".
class banco_prova {
  public:
    explicit banco_prova(Form1& f, std::int32_t flag_j = 1, const std::string& nome_linea = "L",
                         const std::string& numero_treno = "T");
    banco_prova(const banco_prova&) = delete;
    banco_prova& operator=(const banco_prova&) = delete;

    // Runs memorizza_dati on the two texts, the way memorizza_percorso starts a run: table
    // cleared, no finding yet. Without a text, its file is missing.
    void leggi(std::optional<std::string_view> linea, std::optional<std::string_view> treno);
    // Runs the whole of memorizza_percorso on them.
    void compila(std::string_view linea, std::string_view treno);

    bool linea_cancellata() const { return ambiente_.cancellato_linea; }
    bool treno_cancellato() const { return ambiente_.cancellato_treno; }
    const std::vector<reperto>& reperti() const { return ambiente_.reperti; }
    const std::map<std::string, std::string>& file() const { return uscita_.file(); }

  private:
    void metti_testi(std::optional<std::string_view> linea, std::optional<std::string_view> treno);

    Form1& f_;
    sorgenti_compilazione sorgenti_;
    opzioni_compilazione opzioni_;
    destinazione_memoria uscita_;
    ambiente_compilazione ambiente_;
};

// The smallest general section that creates a model: 1000 m of line, cells 0 to 160.
std::string linea_con(std::string_view successive, std::string_view generale = "");
// A train run file holding the given lines after "[generale]".
std::string treno_con(std::string_view righe);

}  // namespace aiuto
