#include "driver/esecuzione_incorporata.h"

#include <iostream>
#include <vector>

#include "compilazione/compila_testi.h"
#include "driver/cartella_programma.h"
#include "driver/esecuzione.h"
#include "driver/file_testo.h"
#include "driver/rapporto_json.h"
#include "driver/stato_attesa.h"
#include "output/destinazione_cartella.h"
#include "output/file_atomico.h"
#include "platform/interruzioni.h"
#include "source_text/scenario_incorporato.h"
#include "source_text/testo_scenario.h"

namespace {

struct file_incorporati {
    std::string linea;
    std::string treno;
    std::vector<std::string> laterali;  // written empty: notes, slowdowns, train sheet
};

file_incorporati file_in(const std::string& cartella) {
    const std::string base = cartella + "/" + nome_linea_incorporata;
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
    if (deve_essere_ordinario && !file_ordinario(percorso)) return t;
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
                                       const opzioni_avvisi& avvisi) {
    destinazione_cartella uscita(cartella);
    uscita.prepara();
    const testi_della_corsa testi(file);
    scrivi_testi(file);
    const sorgenti_compilazione sorgenti{rileggi(file.linea, true), rileggi(file.treno, false)};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = nome_linea_incorporata;
    opzioni.numero_treno = numero_treno_incorporato;
    avvisi.applica(opzioni);
    return compila_testi(sorgenti, opzioni, uscita);
}

}  // namespace

int esegui_incorporato(const opzioni_incorporato& o) {
    esito_compilazione e;
    nomi_sorgenti nomi;
    rapporto_esecuzione r;
    try {
        stato_attesa attesa(!o.silenzioso);
        const std::string cartella = o.cartella.empty() ? cartella_programma() : o.cartella;
        const file_incorporati file = file_in(cartella);
        nomi = {file.linea, file.treno};
        e = compila_incorporato(file, cartella, o.avvisi);
        r = rapporto_di(e, nomi);
    } catch (const std::exception& guasto) {
        r = rapporto_guasto(guasto.what());
    }
    std::cerr << r.diagnostica;
    if (!o.json) return codice_uscita(r.esito);
    return stampa_rapporto(rapporto_json(e, r, nomi, e.file_prodotti), codice_uscita(r.esito));
}
