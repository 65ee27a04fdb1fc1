#include "source_text/segnalazioni.h"

#include "platform/cancellazione.h"

void segnala(Form1& f, std::int32_t codice, const lettore_campi& file,
             lettore_campi::punto_campo punto) {
    f.codice_errore = codice;
    f.posizione_impostata = false;
    f.luogo_errore = file.luogo(punto);
}

void segnala(Form1& f, std::int32_t codice, std::int32_t posizione, const lettore_campi& file,
             lettore_campi::punto_campo punto) {
    segnala(f, codice, file, punto);
    f.posizione_errore = posizione;
    f.posizione_impostata = true;
}

bool fuori_portata(Form1& f, std::int64_t x, std::int32_t margine, const lettore_campi& file,
                   lettore_campi::punto_campo punto) {
    // (x + margine) / 50 > numero_celle, divided exactly.
    if (x + margine <= 50 * static_cast<std::int64_t>(f.numero_celle)) return false;
    segnala(f, 15, static_cast<std::int32_t>(x), file, punto);
    return true;
}

bool cella_fuori(Form1& f, std::int64_t cella, std::int32_t x, const lettore_campi& file,
                 lettore_campi::punto_campo punto) {
    if (cella >= 0 && cella <= f.numero_celle) return false;
    segnala(f, 15, x, file, punto);
    return true;
}

void chiudi_con_errore(Form1& f, stato_lettura& st, const std::string& percorso,
                       std::int32_t codice, lettore_campi::punto_campo punto,
                       std::optional<std::int32_t> posizione) {
    if (posizione) {
        segnala(f, codice, *posizione, *st.file, punto);
    } else {
        segnala(f, codice, *st.file, punto);
    }
    st.file.reset();
    cancella_file(percorso);
}
