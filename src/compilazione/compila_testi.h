#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compilazione/reperto.h"
#include "output/destinazione.h"
#include "source_text/decodifica_sorgente.h"

// One source text of a compilation, with the name the diagnostics use for it.
struct testo_sorgente {
    std::string nome;                 // how the findings name the file (UTF-8)
    std::optional<std::string> byte;  // the file's bytes; absent when there is no such file
    std::string motivo_assenza;       // why it is absent, for the finding that says so
};

struct sorgenti_compilazione {
    testo_sorgente linea;
    testo_sorgente treno;
};

struct opzioni_compilazione {
    std::string nome_linea;         // Windows-1252: stored in the table and the check codes
    std::string numero_treno;       // Windows-1252
    std::string nome_linea_file;    // names the output files; the same as above when empty
    std::string numero_treno_file;  // the same
    std::int32_t flag_j = 1;        // not 0: the profile is built and written
    codifica_sorgente codifica = codifica_sorgente::automatica;  // how the texts' bytes are read

    // Warnings never change what is compiled: they only add findings to the list.
    bool avvisi = true;                      // the checking pass runs
    std::vector<std::string> avvisi_spenti;  // names silenced, as -Wno-NAME takes them
    bool avvisi_come_errori = false;         // -Werror: a warning makes the run a finding
    // How `errore` shows its message box and gets its answer; when empty nothing is shown
    // and the answer is OK.
    std::function<std::int32_t(const std::string&)> casella_errore;
};

// How a compilation ended.
enum class fine_compilazione {
    completata,      // files given to the destination and confirmed (with or without a finding)
    errore,          // `errore` ended it: a header conflict, no file confirmed
    guasto,          // a fault outside the readers' handler, no file confirmed
    modello_assente  // the readers stopped before the cells were created
};

struct esito_compilazione {
    fine_compilazione fine = fine_compilazione::completata;
    std::int32_t codice_errore = 0;
    std::int32_t posizione_errore = 0;
    std::string testo_errore;  // what `errore` showed, when it ended the run
    std::string guasto;        // what failed, when a fault ended it
    std::vector<reperto> reperti;
    std::vector<std::string> file_prodotti;  // confirmed into the destination, in order
    // Which sources the readers deleted, as the run would on disk.
    bool cancellato_linea = false;
    bool cancellato_treno = false;
    bool avvisi_come_errori = false;  // the option, for the report: any warning is a finding
};

// Compiles the two texts into a fresh model and gives the compiled files to `uscita`, then
// checks the texts for what an author almost surely got wrong (warnings and notes). A text
// that is not Windows-1252 is converted first; one that holds a character Windows-1252
// cannot hold ends the run with an error (`errore`) before anything is compiled.
// Touches no file; never throws.
esito_compilazione compila_testi(const sorgenti_compilazione& sorgenti,
                                 const opzioni_compilazione& opzioni, destinazione& uscita);
