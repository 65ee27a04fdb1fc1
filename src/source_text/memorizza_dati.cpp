#include <exception>
#include <string>

#include "compilazione/ambiente.h"
#include "compilazione/registra_reperto.h"
#include "model/codici_errore.h"
#include "model/form1.h"
#include "source_text/codifica_1252.h"
#include "source_text/stato_lettura.h"

namespace {

// A line short of values takes the missing ones from the next line: a fault there belongs to
// the short line, and says what the next line's field was taken for.
struct luogo_del_guasto {
    luogo_sorgente luogo;
    std::string dettaglio;
};

luogo_del_guasto localizza(const lettore_campi& file, const std::string& cosa) {
    const lettore_campi::punto_campo campo = file.punto();
    const lettore_campi::punto_campo parola = file.punto_parola_chiave();
    if (parola.riga == 0 || campo.riga <= parola.riga || file.campi_dopo_parola_chiave() == 0) {
        return {file.luogo_ultimo_campo(), come_utf8(cosa)};
    }
    const luogo_sorgente letto = file.luogo(campo);
    return {file.fine_riga_parola_chiave(),
            "mancano valori in questa riga: il valore " +
                std::to_string(file.campi_dopo_parola_chiave()) + " è stato preso dalla riga " +
                std::to_string(letto.riga) + ", colonna " + std::to_string(letto.colonna) + ": " +
                come_utf8(cosa)};
}

}  // namespace

// Reads the line file, then the train run file, into the model. Any fault on the way is
// caught here: both text files go, the finding is error 25 and the run carries on.
void Form1::memorizza_dati() {
    stato_lettura stato;
    try {
        if (leggi_file_linea(stato)) leggi_file_treno(stato);
    } catch (const std::exception& e) {
        const luogo_del_guasto dove = stato.file ? localizza(*stato.file, e.what())
                                                 : luogo_del_guasto{{}, come_utf8(e.what())};
        stato.file.reset();
        ambiente->cancella(sorgente::file_linea);
        ambiente->cancella(sorgente::file_treno);
        registra_errore(*this, errori::dato_illeggibile, dove.luogo, std::nullopt, dove.dettaglio);
    }
}
