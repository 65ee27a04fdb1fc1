#include "driver/diagnostica.h"

#include "driver/messaggi_errore.h"
#include "source_text/codifica_1252.h"

namespace {

std::string prefisso(const luogo_sorgente& luogo, const nomi_sorgenti& nomi) {
    if (luogo.file == sorgente::nessuna) return "compila_scenario: ";
    std::string p = luogo.file == sorgente::file_linea ? nomi.linea : nomi.treno;
    if (luogo.riga > 0) p += ":" + std::to_string(luogo.riga);
    return p + ": ";
}

// Blanks up to the field, keeping tabs so that the caret lines up under it.
std::string sottolinea(const luogo_sorgente& luogo) {
    std::string margine;
    for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(luogo.colonna); ++i) {
        margine += i < luogo.testo_riga.size() && luogo.testo_riga[i] == '\t' ? '\t' : ' ';
    }
    return margine + "^";
}

}  // namespace

std::string riga_reperto(const Form1& f, const nomi_sorgenti& nomi) {
    std::string riga = prefisso(f.luogo_errore, nomi) + "errore " +
                       std::to_string(f.codice_errore) + ": " + messaggio_errore(f.codice_errore);
    if (f.codice_errore == 25 && !f.messaggio_guasto.empty())
        riga += " (" + come_utf8(f.messaggio_guasto) + ")";
    if (f.posizione_impostata) riga += " (posizione " + std::to_string(f.posizione_errore) + " m)";
    return riga;
}

std::string descrivi_reperto(const Form1& f, const nomi_sorgenti& nomi) {
    std::string testo = riga_reperto(f, nomi) + "\n";
    if (f.luogo_errore.riga > 0) {
        testo +=
            testo_1252_a_utf8(f.luogo_errore.testo_riga) + "\n" + sottolinea(f.luogo_errore) + "\n";
    }
    return testo;
}
