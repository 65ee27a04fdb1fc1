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
#include "platform/interruzioni.h"
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

// The two main text files exist only for the run: they go on every way out, an interruption
// included, as the readers' fault handler removes them. The side files stay.
class testi_della_corsa {
  public:
    explicit testi_della_corsa(const file_incorporati& file)
        : file_(file), linea_(file.linea), treno_(file.treno) {}
    ~testi_della_corsa() {
        cancella_se_esiste(file_.linea);
        cancella_se_esiste(file_.treno);
    }
    testi_della_corsa(const testi_della_corsa&) = delete;
    testi_della_corsa& operator=(const testi_della_corsa&) = delete;

  private:
    const file_incorporati& file_;
    da_cancellare_se_interrotto linea_;
    da_cancellare_se_interrotto treno_;
};

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

// The folder's lock is taken before the first text file, so that two runs into one folder
// never read or remove each other's texts.
esito_compilazione compila_incorporato(const file_incorporati& file, const std::string& cartella,
                                       const opzioni_avvisi& avvisi, vista_attesa& vista) {
    destinazione_cartella uscita(cartella);
    uscita.prepara();
    const testi_della_corsa testi(file);
    scrivi_testi(file);
    const sorgenti_compilazione sorgenti{rileggi(file.linea, true), rileggi(file.treno, false)};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = nome_linea_incorporata;
    opzioni.numero_treno = numero_treno_incorporato;
    avvisi.applica(opzioni);
    opzioni.casella_errore = vista.casella_errore();
    return compila_testi(sorgenti, opzioni, uscita);
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
    if (!o.json) return codice_uscita(r.esito);
    return stampa_rapporto(rapporto_json(e, r, nomi, e.file_prodotti), codice_uscita(r.esito));
}
