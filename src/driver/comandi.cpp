#include "driver/comandi.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cartella_programma.h"
#include "driver/comando_compile.h"
#include "driver/esecuzione.h"
#include "driver/rapporto_json.h"
#include "driver/stato_attesa.h"
#include "driver/uso.h"
#include "inspect/comandi_ispezione.h"
#include "model/form1.h"

namespace {

constexpr const char* testo_aiuto =
    "Uso: compila_scenario [--dir DIR] [--quiet] [--json]\n"
    "     compila_scenario compile LINE_FILE RUN_FILE [-o DIR] [--line-name NOME]\n"
    "                      [--train NUMERO] [--no-profile] [--check] [--plan PIANO.svg]\n"
    "                      [--quiet] [--json]\n"
    "     compila_scenario dump FILE [--json] [--from N] [--to N] [--all]\n"
    "     compila_scenario plan FILE.sim -o PIANO.svg\n"
    "\n"
    "Senza comando compila lo scenario incorporato (linea Zarvelotimbrasquinoverdaltepa,\n"
    "treno 9402) nella cartella del programma, o in DIR.\n"
    "\n"
    "compile compila un file di linea (NOME_linea.txt) e un file di marcia\n"
    "(NOME_NUMERO-.txt) scritti da te; i due file non vengono toccati.\n"
    "  -o DIR             scrive i file compilati in DIR (predefinita: la cartella corrente)\n"
    "  --line-name NOME   nome della linea, quando il nome di LINE_FILE non lo dà\n"
    "  --train NUMERO     numero del treno, quando il nome di RUN_FILE non lo dà\n"
    "  --no-profile       non scrive il profilo NOME_linea.dat\n"
    "  --check            compila e riporta gli errori senza scrivere alcun file\n"
    "  --plan PIANO.svg   disegna la linea compilata (come plan)\n"
    "\n"
    "dump stampa un file compilato (.sim, .dat o _linea.dat) campo per campo;\n"
    "  --all mostra anche i record vuoti, --from/--to scelgono i record.\n"
    "plan disegna in SVG la pianta della linea e il grafico di velocità e pendenza.\n"
    "\n"
    "Opzioni comuni:\n"
    "  --dir DIR   (senza comando) scrive i file in DIR invece che nella cartella del programma\n"
    "  --quiet     non mostra \"Attendere\" durante la compilazione\n"
    "  --json      stampa su stdout, come ultima riga, il rapporto in JSON\n"
    "  --help      mostra questo aiuto\n"
    "  --version   mostra la versione\n"
    "\n"
    "Stato di uscita:\n"
    "  0   compilato senza errori\n"
    "  2   compilato con un errore di validazione (file scritti)\n"
    "  1   errore o guasto (nessun file binario di questa esecuzione scritto)\n"
    "  64  uso errato\n";

struct opzioni_incorporato {
    std::string cartella;
    bool silenzioso = false;
    bool json = false;
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
    // The text files are named only once the run has set the scenario's names.
    const nomi_sorgenti nomi{f.percorso_file_linea(), f.percorso_file_treno()};
    if (r.esito == esito_esecuzione::finding) r = classifica_fine(f, nomi);
    std::cerr << r.diagnostica;
    if (o.json) std::cout << rapporto_json(f, r, nomi) << "\n";
    return codice_uscita(r.esito);
}

int incorporato(const std::vector<std::string_view>& argomenti) {
    opzioni_incorporato o;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        if (a == "--quiet") {
            o.silenzioso = true;
        } else if (a == "--json") {
            o.json = true;
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

}  // namespace

int esegui_comando(int argc, char** argv) {
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    for (const std::string_view a : argomenti) {
        if (a == "--help") {
            std::cout << testo_aiuto;
            return 0;
        }
        if (a == "--version") {
            std::cout << "compila_scenario " << COMPILA_VERSIONE << "\n";
            return 0;
        }
    }
    if (!argomenti.empty()) {
        const std::vector<std::string_view> resto(argomenti.begin() + 1, argomenti.end());
        if (argomenti[0] == "compile") return esegui_compile(resto);
        if (argomenti[0] == "dump") return esegui_dump(resto);
        if (argomenti[0] == "plan") return esegui_plan(resto);
    }
    return incorporato(argomenti);
}
