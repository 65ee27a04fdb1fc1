#include "driver/rapporto_json.h"

#include <nlohmann/json.hpp>

#include "source_text/codifica_1252.h"

std::string rapporto_json(const esito_compilazione& e, const rapporto_esecuzione& r,
                          const nomi_sorgenti& nomi, const std::vector<std::string>& scritti) {
    const reperto* p = r.principale;
    const bool con_luogo = e.codice_errore != 0 && p != nullptr &&
                           p->luogo.file != sorgente::nessuna &&
                           r.esito != esito_esecuzione::errore;
    nlohmann::ordered_json json;
    json["codice_errore"] = e.codice_errore;
    json["posizione_errore"] = e.posizione_errore;
    json["esito"] = nome_esito(r.esito);
    json["messaggio"] = come_utf8(r.messaggio);
    json["file"] = con_luogo ? nlohmann::ordered_json(come_utf8(nome_file(*p, nomi))) : nullptr;
    json["riga"] = con_luogo && p->luogo.riga > 0 ? nlohmann::ordered_json(p->luogo.riga) : nullptr;
    json["scritti"] = nlohmann::ordered_json::array();
    for (const std::string& nome : scritti) json["scritti"].push_back(come_utf8(nome));
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
