#include "driver/rapporto_json.h"

#include "inspect/testo_escape.h"
#include "source_text/codifica_1252.h"

namespace {

const char* nome_esito(esito_esecuzione e) {
    switch (e) {
        case esito_esecuzione::ok:
            return "ok";
        case esito_esecuzione::finding:
            return "finding";
        case esito_esecuzione::errore:
            return "errore";
        case esito_esecuzione::fault:
            return "fault";
    }
    return "fault";
}

}  // namespace

std::string rapporto_json(const Form1& f, const rapporto_esecuzione& r, const nomi_sorgenti& nomi) {
    const luogo_sorgente& luogo = f.luogo_errore;
    const bool con_luogo = f.codice_errore != 0 && luogo.file != sorgente::nessuna &&
                           r.esito != esito_esecuzione::errore;
    std::string json = "{\"codice_errore\": " + std::to_string(f.codice_errore) +
                       ", \"posizione_errore\": " + std::to_string(f.posizione_errore) +
                       ", \"esito\": \"" + nome_esito(r.esito) +
                       "\", \"messaggio\": " + stringa_json(come_utf8(r.messaggio)) +
                       ", \"file\": ";
    json +=
        con_luogo
            ? stringa_json(come_utf8(luogo.file == sorgente::file_linea ? nomi.linea : nomi.treno))
            : "null";
    json += ", \"riga\": ";
    json += con_luogo && luogo.riga > 0 ? std::to_string(luogo.riga) : "null";
    json += ", \"scritti\": [";
    for (std::size_t i = 0; i < f.file_scritti.size(); ++i) {
        if (i > 0) json += ", ";
        json += stringa_json(come_utf8(f.file_scritti[i]));
    }
    return json + "]}";
}
