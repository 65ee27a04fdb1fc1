#include "source_text/segnalazioni.h"

#include <string>

#include "compilazione/ambiente.h"
#include "compilazione/registra_reperto.h"
#include "model/codici_errore.h"

void segnala(Form1& f, std::int32_t codice, const lettore_campi& file,
             lettore_campi::punto_campo punto, std::optional<std::int32_t> posizione) {
    registra_errore(f, codice, file.luogo(punto), posizione);
}

bool fuori_portata(Form1& f, std::int64_t x, std::int32_t margine, const lettore_campi& file,
                   lettore_campi::punto_campo punto) {
    // (x + margine) / 50 > numero_celle, divided exactly.
    if (x + margine <= 50 * static_cast<std::int64_t>(f.numero_celle)) return false;
    segnala(f, errori::fuori_linea, file, punto, static_cast<std::int32_t>(x));
    return true;
}

bool cella_fuori(Form1& f, std::int64_t cella, std::int32_t x, const lettore_campi& file,
                 lettore_campi::punto_campo punto) {
    if (cella >= 0 && cella <= f.numero_celle) return false;
    segnala(f, errori::fuori_linea, file, punto, x);
    return true;
}

void chiudi_e_cancella(Form1& f, stato_lettura& st) {
    const sorgente origine = st.file->origine();
    st.file.reset();
    if (f.ambiente != nullptr) f.ambiente->cancella(origine);
}

void chiudi_con_errore(Form1& f, stato_lettura& st, std::int32_t codice,
                       lettore_campi::punto_campo punto, std::optional<std::int32_t> posizione) {
    segnala(f, codice, *st.file, punto, posizione);
    chiudi_e_cancella(f, st);
}

bool termina_dopo_memo(Form1& f, stato_lettura& st, std::int32_t prima, std::int32_t posizione,
                       lettore_campi::punto_campo punto) {
    if (f.codice_errore <= 0) return false;
    if (f.codice_errore != prima) {
        chiudi_con_errore(f, st, f.codice_errore, punto, posizione);
        return true;
    }
    // The finding stands from an earlier line (the line file's range check): it keeps its
    // own place, and this line only takes over its position.
    f.posizione_errore = posizione;
    registra_nota(f, st.file->luogo(punto),
                  std::string(nota_lettura_fermata) + ": l'errore " + std::to_string(prima) +
                      " trovato prima è ancora registrato");
    chiudi_e_cancella(f, st);
    return true;
}
