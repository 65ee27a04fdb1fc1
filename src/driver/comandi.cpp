#include "driver/comandi.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/cartella_programma.h"
#include "driver/esecuzione.h"
#include "driver/stato_attesa.h"
#include "model/form1.h"

namespace {

constexpr int uscita_uso = 64;

constexpr const char* testo_aiuto =
    "Uso: compila_scenario [--dir DIR] [--quiet]\n"
    "\n"
    "Compila lo scenario incorporato (linea Zarvelotimbrasquinoverdaltepa, treno 9402)\n"
    "nella cartella del programma, o in DIR.\n"
    "\n"
    "Opzioni:\n"
    "  --dir DIR   scrive i file in DIR invece che nella cartella del programma\n"
    "  --quiet     non mostra \"Attendere\" durante la compilazione\n"
    "  --help      mostra questo aiuto\n"
    "  --version   mostra la versione\n"
    "\n"
    "Stato di uscita: 0 compilato, 2 compilato con un errore di validazione (file scritti),\n"
    "1 errore o guasto (nessun file binario scritto), 64 uso errato.\n";

int errore_uso(const std::string& messaggio) {
    std::cerr << "compila_scenario: " << messaggio << "\n"
              << "Try 'compila_scenario --help' for more information.\n";
    return uscita_uso;
}

struct opzioni_incorporato {
    std::string cartella;
    bool silenzioso = false;
};

int esegui_incorporato(const opzioni_incorporato& o) {
    Form1 f;
    rapporto_esecuzione r;
    {
        stato_attesa attesa(!o.silenzioso);
        r = esegui(f, nomi_sorgenti{}, [&] {
            f.cartella = o.cartella.empty() ? cartella_programma() : o.cartella;
            f.Form_Load();
        });
    }
    const nomi_sorgenti nomi{f.percorso_file_linea(), f.percorso_file_treno()};
    if (r.esito == esito_esecuzione::finding) r = classifica_fine(f, nomi);
    std::cerr << r.diagnostica;
    return codice_uscita(r.esito);
}

}  // namespace

int esegui_comando(int argc, char** argv) {
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    opzioni_incorporato o;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        if (a == "--help") {
            std::cout << testo_aiuto;
            return 0;
        }
        if (a == "--version") {
            std::cout << "compila_scenario " << COMPILA_VERSIONE << "\n";
            return 0;
        }
        if (a == "--quiet") {
            o.silenzioso = true;
        } else if (a == "--dir") {
            if (i + 1 >= argomenti.size())
                return errore_uso("l'opzione '--dir' vuole una cartella");
            o.cartella = argomenti[++i];
        } else {
            return errore_uso("opzione sconosciuta '" + std::string(a) + "'");
        }
    }
    return esegui_incorporato(o);
}
