#include "compilazione/compila_testi.h"

#include <exception>

#include "compilazione/ambiente.h"
#include "model/form1.h"
#include "model/guasto.h"

namespace {

esito_compilazione esito_di(const Form1& f, ambiente_compilazione& a, fine_compilazione fine) {
    esito_compilazione e;
    e.fine = fine;
    e.codice_errore = f.codice_errore;
    e.posizione_errore = f.posizione_errore;
    e.reperti = std::move(a.reperti);
    e.file_prodotti = std::move(a.file_prodotti);
    e.cancellato_linea = a.cancellato_linea;
    e.cancellato_treno = a.cancellato_treno;
    return e;
}

}  // namespace

esito_compilazione compila_testi(const sorgenti_compilazione& sorgenti,
                                 const opzioni_compilazione& opzioni, destinazione& uscita) {
    ambiente_compilazione ambiente{sorgenti, opzioni, uscita, {}, {}, false, false};
    Form1 f;
    f.ambiente = &ambiente;
    f.nome_linea = opzioni.nome_linea;
    f.numero_treno = opzioni.numero_treno;
    std::int32_t j = opzioni.flag_j;
    try {
        f.memorizza_percorso(j);
    } catch (const errore_fatale& e) {
        esito_compilazione esito = esito_di(f, ambiente, fine_compilazione::errore);
        esito.testo_errore = e.what();
        return esito;
    } catch (const modello_non_creato&) {
        return esito_di(f, ambiente, fine_compilazione::modello_assente);
    } catch (const std::exception& e) {
        esito_compilazione esito = esito_di(f, ambiente, fine_compilazione::guasto);
        esito.guasto = e.what();
        return esito;
    }
    return esito_di(f, ambiente, fine_compilazione::completata);
}
