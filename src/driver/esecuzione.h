#pragma once

#include <string>
#include <vector>

#include "driver/diagnostica.h"
#include "model/form1.h"
#include "model/guasto.h"

// How a run ended, as the exit status and the JSON report tell it.
enum class esito_esecuzione { ok, finding, errore, fault };

struct rapporto_esecuzione {
    esito_esecuzione esito = esito_esecuzione::ok;
    std::string messaggio;    // what stderr shows, without the source excerpt
    std::string diagnostica;  // everything for stderr (empty when ok)
};

int codice_uscita(esito_esecuzione esito);

// Runs one compilation step on the model and classifies how it ended.
template <typename Azione>
rapporto_esecuzione esegui(Form1& f, const nomi_sorgenti& nomi, Azione&& azione);

rapporto_esecuzione classifica_fine(const Form1& f, const nomi_sorgenti& nomi);
rapporto_esecuzione rapporto_errore_fatale(const std::string& testo);
rapporto_esecuzione rapporto_guasto(const std::string& cosa);
rapporto_esecuzione rapporto_modello_assente(const Form1& f, const nomi_sorgenti& nomi);

template <typename Azione>
rapporto_esecuzione esegui(Form1& f, const nomi_sorgenti& nomi, Azione&& azione) {
    try {
        azione();
    } catch (const errore_fatale& e) {
        return rapporto_errore_fatale(e.what());
    } catch (const modello_non_creato&) {
        return rapporto_modello_assente(f, nomi);
    } catch (const std::exception& e) {
        return rapporto_guasto(e.what());
    }
    return classifica_fine(f, nomi);
}
