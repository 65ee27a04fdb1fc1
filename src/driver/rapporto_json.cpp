#include "driver/rapporto_json.h"

#include <nlohmann/json.hpp>

#include "source_text/codifica_1252.h"

namespace {

using json = nlohmann::ordered_json;

void aggiungi_rapporto(json& oggetto, const esito_compilazione& e, const rapporto_esecuzione& r,
                       const nomi_sorgenti& nomi, const std::vector<std::string>& scritti) {
    const reperto* p = r.principale;
    const bool con_luogo = e.codice_errore != 0 && p != nullptr &&
                           p->luogo.file != sorgente::nessuna &&
                           r.esito != esito_esecuzione::errore;
    oggetto["codice_errore"] = e.codice_errore;
    oggetto["posizione_errore"] = e.posizione_errore;
    oggetto["esito"] = nome_esito(r.esito);
    oggetto["messaggio"] = come_utf8(r.messaggio);
    oggetto["file"] = con_luogo ? json(come_utf8(nome_file(*p, nomi))) : nullptr;
    oggetto["riga"] = con_luogo && p->luogo.riga > 0 ? json(p->luogo.riga) : nullptr;
    oggetto["scritti"] = json::array();
    for (const std::string& nome : scritti) oggetto["scritti"].push_back(come_utf8(nome));
    oggetto["avvisi"] = json::array();
    for (const reperto& a : e.reperti) {
        if (a.livello == livello_reperto::errore) continue;
        json voce;
        voce["nome"] = a.nome;
        voce["livello"] = a.livello == livello_reperto::avviso ? "avviso" : "nota";
        voce["file"] = come_utf8(nome_file(a, nomi));
        voce["riga"] = a.luogo.riga;
        voce["colonna"] = a.luogo.colonna;
        voce["messaggio"] = a.messaggio;
        oggetto["avvisi"].push_back(std::move(voce));
    }
}

std::string su_una_riga(const json& j) {
    return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string rapporto_json(const esito_compilazione& e, const rapporto_esecuzione& r,
                          const nomi_sorgenti& nomi, const std::vector<std::string>& scritti) {
    json oggetto;
    aggiungi_rapporto(oggetto, e, r, nomi, scritti);
    return su_una_riga(oggetto);
}

std::string rapporto_json_treni(const std::vector<treno_compilato>& treni) {
    json elenco = json::array();
    for (const treno_compilato& t : treni) {
        json oggetto;
        oggetto["linea"] = come_utf8(t.linea->nome);
        oggetto["treno"] = come_utf8(t.treno->numero);
        aggiungi_rapporto(oggetto, t.esito, t.rapporto, t.nomi, t.esito.file_prodotti);
        elenco.push_back(std::move(oggetto));
    }
    return su_una_riga(elenco);
}
