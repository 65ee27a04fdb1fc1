#include "driver/rapporto_json.h"

#include <cstdio>

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

std::string stringa_json(std::string_view testo) {
    std::string uscita = "\"";
    for (const char c : come_utf8(testo)) {
        switch (c) {
            case '"':
                uscita += "\\\"";
                break;
            case '\\':
                uscita += "\\\\";
                break;
            case '\n':
                uscita += "\\n";
                break;
            case '\r':
                uscita += "\\r";
                break;
            case '\t':
                uscita += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char codice[8];
                    std::snprintf(codice, sizeof codice, "\\u%04x", static_cast<unsigned>(c));
                    uscita += codice;
                } else {
                    uscita += c;
                }
        }
    }
    return uscita + "\"";
}

std::string rapporto_json(const Form1& f, const rapporto_esecuzione& r, const nomi_sorgenti& nomi) {
    const luogo_sorgente& luogo = f.luogo_errore;
    const bool con_luogo = f.codice_errore != 0 && luogo.file != sorgente::nessuna &&
                           r.esito != esito_esecuzione::errore;
    std::string json = "{\"codice_errore\": " + std::to_string(f.codice_errore) +
                       ", \"posizione_errore\": " + std::to_string(f.posizione_errore) +
                       ", \"esito\": \"" + nome_esito(r.esito) +
                       "\", \"messaggio\": " + stringa_json(r.messaggio) + ", \"file\": ";
    json += con_luogo ? stringa_json(luogo.file == sorgente::file_linea ? nomi.linea : nomi.treno)
                      : "null";
    json += ", \"riga\": ";
    json += con_luogo && luogo.riga > 0 ? std::to_string(luogo.riga) : "null";
    json += ", \"scritti\": [";
    for (std::size_t i = 0; i < f.file_scritti.size(); ++i) {
        if (i > 0) json += ", ";
        json += stringa_json(f.file_scritti[i]);
    }
    return json + "]}";
}
