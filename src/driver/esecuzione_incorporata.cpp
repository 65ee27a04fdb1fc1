#include "driver/esecuzione_incorporata.h"

#include <iostream>
#include <vector>

#include "compilazione/compila_testi.h"
#include "driver/esecuzione.h"
#include "driver/rapporto_json.h"
#include "driver/vista_attesa.h"
#include "output/destinazione_cartella.h"
#include "output/file_atomico.h"
#include "platform/cancellazione.h"
#include "platform/cartella_programma.h"
#include "platform/casella_messaggio.h"
#include "platform/console.h"
#include "platform/lettura_file.h"
#include "platform/percorsi.h"
#include "source_text/scenario_incorporato.h"
#include "source_text/testo_scenario.h"

namespace {

struct file_incorporati {
    std::string linea;
    std::string treno;
    std::vector<std::string> laterali;  // written empty: notes, slowdowns, train sheet
};

file_incorporati file_in(const std::string& cartella) {
    const std::string base = unisci_percorso(cartella, nome_linea_incorporata);
    const std::string treno = base + "_" + numero_treno_incorporato;
    return {base + "_linea.txt",
            treno + "-.txt",
            {treno + "_note.txt", treno + "_rallentamenti.txt", treno + "_scheda_treno.txt"}};
}

// The writers, in their order: line file, train run file, then the three side files.
void scrivi_testi(const file_incorporati& file) {
    scrivi_file_intero(file.linea, testo_file_linea());
    scrivi_file_intero(file.treno, testo_file_treno());
    for (const std::string& laterale : file.laterali) {
        scrivi_file_intero(laterale, componi_testo(tabella_con_marcatore({})));
    }
}

// A text file read back as the readers would open it: a line file that is not an ordinary
// file is absent; a train run file that cannot be read is a fault of the reading.
testo_sorgente rileggi(const std::string& percorso, bool deve_essere_ordinario) {
    testo_sorgente t{percorso, std::nullopt, {}};
    if (deve_essere_ordinario && tipo_di(percorso) != tipo_file::ordinario) return t;
    try {
        t.byte = leggi_file(percorso);
    } catch (const std::exception& e) {
        t.motivo_assenza = e.what();
    }
    return t;
}

esito_compilazione compila_incorporato(const file_incorporati& file, const std::string& cartella,
                                       const opzioni_avvisi& avvisi, vista_attesa& vista) {
    scrivi_testi(file);
    const sorgenti_compilazione sorgenti{rileggi(file.linea, true), rileggi(file.treno, false)};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = nome_linea_incorporata;
    opzioni.numero_treno = numero_treno_incorporato;
    avvisi.applica(opzioni);
    opzioni.casella_errore = vista.casella_errore();
    destinazione_cartella uscita(cartella);
    esito_compilazione e = compila_testi(sorgenti, opzioni, uscita);
    if (e.cancellato_linea) cancella_se_esiste(file.linea);
    if (e.cancellato_treno) cancella_se_esiste(file.treno);
    return e;
}

}  // namespace

int esegui_incorporato(const opzioni_incorporato& o) {
    esito_compilazione e;
    nomi_sorgenti nomi;
    rapporto_esecuzione r;
    const modo_attesa modo = modo_attesa_per(o.silenzioso, true);
    // Started from Explorer, the program shows its window and nothing else.
    const bool senza_console = modo == modo_attesa::finestra && lascia_console_propria();
    try {
        vista_attesa vista(modo, o.trattenuta);
        const std::string cartella = o.cartella.empty() ? cartella_programma() : o.cartella;
        const file_incorporati file = file_in(cartella);
        nomi = {file.linea, file.treno};
        e = compila_incorporato(file, cartella, o.avvisi, vista);
        r = rapporto_di(e, nomi);
    } catch (const std::exception& guasto) {
        r = rapporto_guasto(guasto.what());
    }
    std::cerr << r.diagnostica;
    // Without a console a fault would end the run unseen: the platform's own report.
    if (senza_console && r.esito == esito_esecuzione::fault) mostra_casella_messaggio(r.messaggio);
    if (o.json) std::cout << rapporto_json(e, r, nomi, e.file_prodotti) << "\n";
    return codice_uscita(r.esito);
}
