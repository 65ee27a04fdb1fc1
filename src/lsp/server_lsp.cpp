#include "lsp/server_lsp.h"

#include <filesystem>

#include "lsp/compila_partner.h"
#include "lsp/completamento.h"
#include "lsp/diagnostiche.h"
#include "lsp/file_partner.h"
#include "lsp/firma.h"
#include "lsp/hover.h"
#include "lsp/simboli.h"
#include "lsp/uri_file.h"

namespace {

using nlohmann::json;

// JSON-RPC and protocol error codes.
constexpr int errore_analisi = -32700;
constexpr int richiesta_non_valida = -32600;
constexpr int metodo_sconosciuto = -32601;
constexpr int parametri_non_validi = -32602;
constexpr int errore_interno = -32603;
constexpr int server_non_inizializzato = -32002;

constexpr int sincronizzazione_incrementale = 2;

json risposta(const json& id, json risultato) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(risultato)}};
}

json risposta_errore(const json& id, int codice, const std::string& messaggio) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", codice}, {"message", messaggio}}}};
}

json notifica_uscente(const std::string& metodo, json parametri) {
    return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}

// A request's failure, carried to its error response.
struct errore_richiesta {
    int codice;
    std::string messaggio;
};

const std::string& uri_di(const json& parametri) {
    return parametri.at("textDocument").at("uri").get_ref<const std::string&>();
}

// The kind of scenario file a document is: by its name, else by the editor's language.
sorgente genere_del_buffer(const buffer_aperto& b) {
    const sorgente dal_nome = genere_da_nome(b.percorso);
    if (dal_nome != sorgente::nessuna) return dal_nome;
    if (b.lingua == "scenario-linea") return sorgente::file_linea;
    if (b.lingua == "scenario-treno") return sorgente::file_treno;
    return sorgente::nessuna;
}

// The names of the files beside `percorso`, open buffers not yet saved included.
std::vector<std::string> nomi_accanto(const std::string& percorso, const buffer_aperti& buffer) {
    namespace fs = std::filesystem;
    const fs::path cartella = fs::path(percorso).parent_path();
    std::vector<std::string> nomi;
    std::error_code errore;
    for (fs::directory_iterator voce(cartella, errore), fine; !errore && voce != fine;
         voce.increment(errore)) {
        nomi.push_back(voce->path().filename().string());
    }
    for (const auto& [uri, b] : buffer.tutti()) {
        if (!b.percorso.empty() && fs::path(b.percorso).parent_path() == cartella)
            nomi.push_back(fs::path(b.percorso).filename().string());
    }
    return nomi;
}

modifica_testo::posizione posizione_di(const json& p) {
    return {p.at("line").get<std::size_t>(), p.at("character").get<std::size_t>()};
}

modifica_testo modifica_di(const json& cambio) {
    modifica_testo m;
    m.testo = cambio.at("text").get<std::string>();
    if (cambio.contains("range")) {
        const json& r = cambio.at("range");
        m.intervallo = {posizione_di(r.at("start")), posizione_di(r.at("end"))};
    }
    return m;
}

}  // namespace

std::vector<json> server_lsp::gestisci_corpo(std::string_view corpo) {
    json messaggio = json::parse(corpo, nullptr, false);
    if (messaggio.is_discarded())
        return {risposta_errore(nullptr, errore_analisi, "JSON non valido")};
    return gestisci(messaggio);
}

std::vector<json> server_lsp::gestisci(const json& messaggio) {
    if (!messaggio.is_object())
        return {risposta_errore(nullptr, richiesta_non_valida, "atteso un oggetto")};
    const json id = messaggio.value("id", json());
    const auto metodo = messaggio.find("method");
    if (metodo == messaggio.end() || !metodo->is_string()) {
        // A response to a request of ours: the server sends none, so there is nothing to match.
        if (!id.is_null() && (messaggio.contains("result") || messaggio.contains("error")))
            return {};
        return {risposta_errore(id, richiesta_non_valida, "manca \"method\"")};
    }
    const json parametri = messaggio.value("params", json::object());
    const std::string& nome = metodo->get_ref<const std::string&>();
    if (!messaggio.contains("id")) {
        uscite uscita;
        try {
            notifica(nome, parametri, uscita);
        } catch (const std::exception&) {
            // A notification has no response to carry the fault: it is dropped.
        }
        return uscita;
    }
    try {
        return {risposta(id, richiesta(nome, parametri))};
    } catch (const errore_richiesta& e) {
        return {risposta_errore(id, e.codice, e.messaggio)};
    } catch (const json::exception& e) {
        return {risposta_errore(id, parametri_non_validi, e.what())};
    } catch (const std::exception& e) {
        return {risposta_errore(id, errore_interno, e.what())};
    }
}

json server_lsp::richiesta(const std::string& metodo, const json& parametri) {
    if (metodo == "initialize") return inizializza(parametri);
    if (!inizializzato_) throw errore_richiesta{server_non_inizializzato, "manca initialize"};
    if (chiusura_richiesta_) throw errore_richiesta{richiesta_non_valida, "dopo shutdown"};
    if (metodo == "shutdown") {
        chiusura_richiesta_ = true;
        return nullptr;
    }
    if (metodo == "textDocument/hover") return hover(parametri);
    if (metodo == "textDocument/signatureHelp") return firma(parametri);
    if (metodo == "textDocument/completion") return completamento(parametri);
    if (metodo == "textDocument/documentSymbol") return simboli(parametri);
    throw errore_richiesta{metodo_sconosciuto, "metodo sconosciuto: " + metodo};
}

void server_lsp::notifica(const std::string& metodo, const json& parametri, uscite& uscita) {
    if (metodo == "exit") {
        uscito_ = true;
        return;
    }
    if (!inizializzato_ || chiusura_richiesta_) return;
    if (metodo == "textDocument/didOpen") apri(parametri, uscita);
    if (metodo == "textDocument/didChange") modifica(parametri, uscita);
    if (metodo == "textDocument/didClose") chiudi(parametri, uscita);
}

json server_lsp::inizializza(const json&) {
    inizializzato_ = true;
    const json capacita = {
        {"positionEncoding", "utf-16"},
        {"textDocumentSync", {{"openClose", true}, {"change", sincronizzazione_incrementale}}},
        {"hoverProvider", true},
        {"signatureHelpProvider", {{"triggerCharacters", json::array({",", " "})}}},
        {"completionProvider", {{"triggerCharacters", json::array({"["})}}},
        {"documentSymbolProvider", true}};
    return {{"capabilities", capacita},
            {"serverInfo", {{"name", "compila_scenario"}, {"version", COMPILA_VERSIONE}}}};
}

namespace {

// The open document a request names, with where its cursor is.
struct documento_al_cursore {
    const buffer_aperto* buffer;
    std::size_t riga;
    std::size_t colonna;
};

documento_al_cursore al_cursore(const buffer_aperti& buffer, const json& parametri) {
    const json& p = parametri.at("position");
    return {buffer.per_uri(uri_di(parametri)), p.at("line").get<std::size_t>(),
            p.at("character").get<std::size_t>()};
}

}  // namespace

json server_lsp::hover(const json& parametri) const {
    const documento_al_cursore d = al_cursore(buffer_, parametri);
    if (d.buffer == nullptr) return nullptr;
    return hover_a(d.buffer->testo, genere_del_buffer(*d.buffer), d.riga, d.colonna);
}

json server_lsp::firma(const json& parametri) const {
    const documento_al_cursore d = al_cursore(buffer_, parametri);
    if (d.buffer == nullptr) return nullptr;
    return firma_a(d.buffer->testo, genere_del_buffer(*d.buffer), d.riga, d.colonna);
}

json server_lsp::completamento(const json& parametri) const {
    const documento_al_cursore d = al_cursore(buffer_, parametri);
    if (d.buffer == nullptr || genere_del_buffer(*d.buffer) == sorgente::nessuna)
        return json::array();
    return completamento_a(d.buffer->testo, genere_del_buffer(*d.buffer), d.riga, d.colonna);
}

json server_lsp::simboli(const json& parametri) const {
    const buffer_aperto* b = buffer_.per_uri(uri_di(parametri));
    if (b == nullptr || genere_del_buffer(*b) == sorgente::nessuna) return json::array();
    return simboli_documento(b->testo, genere_del_buffer(*b));
}

void server_lsp::apri(const json& parametri, uscite& uscita) {
    const json& documento = parametri.at("textDocument");
    buffer_aperto b;
    b.uri = documento.at("uri").get<std::string>();
    b.percorso = percorso_da_uri(b.uri).value_or("");
    b.lingua = documento.value("languageId", "");
    b.versione = documento.value("version", 0);
    b.testo = documento.at("text").get<std::string>();
    const std::string uri = b.uri;
    buffer_.apri(std::move(b));
    pubblica_diagnostiche(uri, uscita);
}

void server_lsp::modifica(const json& parametri, uscite& uscita) {
    const std::string& uri = uri_di(parametri);
    const std::int64_t versione = parametri.at("textDocument").value("version", 0);
    for (const json& cambio : parametri.at("contentChanges")) {
        if (!buffer_.modifica(uri, versione, modifica_di(cambio))) return;
    }
    pubblica_diagnostiche(uri, uscita);
}

void server_lsp::chiudi(const json& parametri, uscite& uscita) {
    const std::string uri = uri_di(parametri);
    buffer_.chiudi(uri);
    uscita.push_back(notifica_uscente("textDocument/publishDiagnostics",
                                      {{"uri", uri}, {"diagnostics", json::array()}}));
}

void server_lsp::pubblica_diagnostiche(const std::string& uri, uscite& uscita) const {
    const buffer_aperto* b = buffer_.per_uri(uri);
    if (b == nullptr || b->percorso.empty()) return;
    const partner_file partner = trova_partner(b->percorso, nomi_accanto(b->percorso, buffer_));
    if (partner.genere == sorgente::nessuna) return;
    for (const reperti_del_file& voce : compila_partner(partner, b->percorso, buffer_)) {
        const buffer_aperto* aperto = buffer_.per_percorso(voce.percorso);
        json diagnostiche = json::array();
        for (const reperto& r : voce.reperti)
            diagnostiche.push_back(diagnostica_lsp(r, voce.testo));
        json parametri = {{"uri", aperto ? aperto->uri : uri_da_percorso(voce.percorso)},
                          {"diagnostics", std::move(diagnostiche)}};
        if (aperto) parametri["version"] = aperto->versione;
        uscita.push_back(notifica_uscente("textDocument/publishDiagnostics", std::move(parametri)));
    }
}
