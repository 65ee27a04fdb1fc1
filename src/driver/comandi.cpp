#include "driver/comandi.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/comando_compile.h"
#include "driver/comando_spiega.h"
#include "driver/esecuzione_incorporata.h"
#include "driver/opzioni_avvisi.h"
#include "driver/ritardo_prova.h"
#include "driver/uso.h"
#include "inspect/comandi_ispezione.h"
#include "lsp/esegui_lsp.h"

namespace {

constexpr const char* testo_aiuto =
    "Uso: compila_scenario [--dir DIR] [-Wno-AVVISO] [-w] [-Werror] [--quiet] [--json]\n"
    "     compila_scenario compile LINE_FILE RUN_FILE [RUN_FILE...] [-o DIR]\n"
    "                      [--line-name NOME] [--train NUMERO] [--no-profile] [--check]\n"
    "                      [--plan PIANO.svg] [-v] [--quiet] [--finestra] [--json]\n"
    "                      [-Wno-AVVISO] [-w] [-Werror] [--encoding CODIFICA]\n"
    "     compila_scenario compile CARTELLA [-o DIR] [--no-profile] [--check] [-v] [--json]\n"
    "     compila_scenario dump FILE [--json] [--from N] [--to N] [--all] [--raw]\n"
    "     compila_scenario plan FILE.sim -o PIANO.svg\n"
    "     compila_scenario spiega NUMERO|AVVISO|PAROLA\n"
    "     compila_scenario lsp   (server del linguaggio per gli editor, su stdin e stdout)\n"
    "\n"
    "Senza comando compila lo scenario incorporato (linea Zarvelotimbrasquinoverdaltepa,\n"
    "treno 9402) nella cartella del programma, o in DIR.\n"
    "\n"
    "compile compila un file di linea (NOME_linea.txt) e un file di marcia\n"
    "(NOME_NUMERO-.txt) scritti da te; i due file non vengono toccati. Con più file di\n"
    "marcia compila ogni treno sulla stessa linea, ognuno come se fosse compilato da solo, e\n"
    "scrive il profilo NOME_linea.dat una volta; il numero di ogni treno viene dal nome del suo\n"
    "file. Con una CARTELLA compila ogni NOME_linea.txt che contiene con i suoi NOME_*-.txt.\n"
    "Gli errori di ogni treno sono riportati sotto il nome del suo file.\n"
    "  -o DIR             scrive i file compilati in DIR (predefinita: la cartella corrente)\n"
    "  --line-name NOME   nome della linea, quando il nome di LINE_FILE non lo dà\n"
    "  --train NUMERO     numero del treno, quando il nome di RUN_FILE non lo dà\n"
    "  --no-profile       non scrive il profilo NOME_linea.dat\n"
    "  --check            compila e riporta gli errori senza scrivere alcun file\n"
    "  --plan PIANO.svg   disegna la linea compilata (come plan; un solo treno)\n"
    "  -v, --verbose      dice in una riga quali file ha scritto\n"
    "  --finestra         mostra la finestra \"Attendere\" e, per \" Errore n. \", il messaggio\n"
    "                     (su Windows; come fa sempre l'esecuzione senza comando)\n"
    "\n"
    "dump stampa un file compilato (.sim, .dat o _linea.dat) campo per campo;\n"
    "  --all mostra anche i record vuoti, --from/--to scelgono i record,\n"
    "  --raw stampa i valori memorizzati senza le unità.\n"
    "plan disegna in SVG la pianta della linea e il grafico di velocità e pendenza.\n"
    "spiega spiega per esteso un errore (numero), un avviso (nome, come -Wno-NOME lo\n"
    "  prende) o una parola chiave; \"spiega avvisi\" elenca gli avvisi.\n"
    "\n"
    "Opzioni comuni:\n"
    "  --dir DIR   (senza comando) scrive i file in DIR invece che nella cartella del programma\n"
    "  --quiet     non mostra \"Attendere\" durante la compilazione, né finestre\n"
    "  --json      stampa su stdout, come ultima riga, il rapporto in JSON (con gli avvisi)\n"
    "  -Wno-AVVISO non segnala quel genere di avviso; -w nessun avviso\n"
    "  -Werror     un avviso conta come un errore di validazione (stato 2, file scritti)\n"
    "  --encoding  auto (predefinita), cp1252, utf-8 o utf-16: come leggere i file; auto\n"
    "              converte UTF-8 e UTF-16 con BOM, il resto è Windows-1252 così com'è\n"
    "  --help      mostra questo aiuto\n"
    "  --version   mostra la versione\n"
    "\n"
    "Stato di uscita:\n"
    "  0   compilato senza errori (anche con avvisi)\n"
    "  2   compilato con un errore di validazione, o un avviso con -Werror (file scritti)\n"
    "  1   errore o guasto, o un carattere che Windows-1252 non ha (nessun file binario\n"
    "      di questa esecuzione scritto)\n"
    "  64  uso errato\n"
    "  130, 143  interrotto (Ctrl-C, SIGTERM): nessun insieme di file a metà\n"
    "  Con più treni vale il peggiore: 1 se un treno ha un errore o un guasto, altrimenti 2\n"
    "  se uno ha un errore di validazione, altrimenti 0. Con --json il rapporto è un array\n"
    "  con un oggetto per treno (un oggetto solo quando il treno è uno).\n";

int incorporato(const std::vector<std::string_view>& argomenti) {
    opzioni_incorporato o;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        std::optional<std::string> errore;
        if (leggi_opzione_avvisi(argomenti, i, o.avvisi, errore)) {
            if (errore) return errore_uso(*errore);
        } else if (a == "--quiet") {
            o.silenzioso = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--dir") {
            if (i + 1 >= argomenti.size())
                return errore_uso("l'opzione '--dir' vuole una cartella");
            o.cartella = argomenti[++i];
        } else if (a == opzione_ritardo_prova) {
            const auto ritardo =
                i + 1 < argomenti.size() ? leggi_ritardo(argomenti[++i]) : std::nullopt;
            if (!ritardo) return errore_uso(uso_ritardo_prova);
            o.trattenuta = *ritardo;
        } else {
            return errore_uso("opzione sconosciuta '" + std::string(a) + "'");
        }
    }
    return esegui_incorporato(o);
}

}  // namespace

int esegui_comando(const std::vector<std::string>& argomenti_utf8) {
    const std::vector<std::string_view> argomenti(argomenti_utf8.begin(), argomenti_utf8.end());
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
        if (argomenti[0] == "spiega") return esegui_spiega(resto);
        if (argomenti[0] == "lsp") return esegui_lsp(resto);
    }
    return incorporato(argomenti);
}
