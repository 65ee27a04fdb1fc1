// The language server through the real binary, as an editor talks to it.
#include <gtest/gtest.h>

#ifdef _WIN32

// The test client starts the server with fork and talks to it through POSIX pipes.
TEST(sessione_lsp, SoloPosix) {
    GTEST_SKIP() << "the test client drives the server through fork and POSIX pipes";
}

#else

#include <algorithm>
#include <string>

#include "aiuto_test.h"
#include "cliente_lsp.h"
#include "lsp/uri_file.h"

namespace {

using nlohmann::json;

// Where `cercato` stands in `testo`: its line and column (ASCII text).
std::pair<int, int> posizione_di(const std::string& testo, const std::string& cercato) {
    const std::size_t i = testo.find(cercato);
    if (i == std::string::npos) throw std::runtime_error("non trovato: " + cercato);
    const std::size_t inizio_riga = testo.rfind('\n', i);
    const int riga =
        static_cast<int>(std::count(testo.begin(), testo.begin() + static_cast<long>(i), '\n'));
    return {riga, static_cast<int>(inizio_riga == std::string::npos ? i : i - inizio_riga - 1)};
}

std::string sostituito(std::string testo, const std::string& da, const std::string& a) {
    testo.replace(testo.find(da), da.size(), a);
    return testo;
}

// A folder holding the embedded pair as Prova_linea.txt and Prova_9402-.txt.
class sessione_lsp : public testing::Test {
  protected:
    void SetUp() override {
        aiuto::scrivi(percorso_linea, linea);
        aiuto::scrivi(percorso_treno, treno);
        inizializza(cliente);
    }

    void apri(const std::string& uri, const std::string& testo) {
        cliente.notifica(
            "textDocument/didOpen",
            {{"textDocument",
              {{"uri", uri}, {"languageId", "scenario"}, {"version", 1}, {"text", testo}}}});
    }

    std::vector<json> codici(const json& diagnostiche) {
        std::vector<json> c;
        for (const json& d : diagnostiche) c.push_back(d.value("code", json()));
        return c;
    }

    aiuto::cartella_temporanea cartella;
    const std::string percorso_linea = cartella.file("Prova_linea.txt");
    const std::string percorso_treno = cartella.file("Prova_9402-.txt");
    const std::string uri_linea = uri_da_percorso(percorso_linea);
    const std::string uri_treno = uri_da_percorso(percorso_treno);
    const std::string linea = testo_linea_incorporata();
    const std::string treno = testo_treno_incorporato();
    // The cab-signal stretch starts off the 50 m grid: error 3 on the line file.
    const std::string linea_errata = sostituito(linea, "    7150,", "    7125,");
    cliente_lsp cliente;
};

TEST_F(sessione_lsp, checks_a_buffer_as_it_changes_and_ends_with_status_0) {
    apri(uri_linea, linea_errata);
    const std::optional<json> errata = cliente.diagnostiche(uri_linea);
    ASSERT_TRUE(errata);
    ASSERT_EQ(codici(*errata), std::vector<json>{3}) << errata->dump();
    const auto [riga, colonna] = posizione_di(linea_errata, "7125");
    EXPECT_EQ((*errata)[0]["range"]["start"]["line"], riga);
    EXPECT_EQ((*errata)[0]["severity"], 1);

    cliente.notifica("textDocument/didChange",
                     cambio_di(uri_linea, 2, riga, colonna + 2, colonna + 4, "50"));
    const std::optional<json> corretta = cliente.diagnostiche(uri_linea);
    ASSERT_TRUE(corretta);
    EXPECT_EQ(*corretta, json::array()) << corretta->dump();

    const auto [riga_lunghezza, colonna_lunghezza] = posizione_di(linea, "32000");
    cliente.richiedi(2, "textDocument/hover",
                     alla_posizione(uri_linea, riga_lunghezza, colonna_lunghezza + 1));
    const std::optional<json> hover = cliente.risposta(2);
    ASSERT_TRUE(hover);
    EXPECT_NE((*hover)["result"]["contents"]["value"].get<std::string>().find("lunghezza percorso"),
              std::string::npos)
        << hover->dump();

    cliente.richiedi(3, "textDocument/signatureHelp",
                     alla_posizione(uri_linea, riga_lunghezza, colonna_lunghezza + 1));
    const std::optional<json> firma = cliente.risposta(3);
    ASSERT_TRUE(firma);
    EXPECT_EQ((*firma)["result"]["activeParameter"], 0) << firma->dump();

    cliente.richiedi(4, "textDocument/completion", alla_posizione(uri_linea, riga_lunghezza, 0));
    const std::optional<json> completamento = cliente.risposta(4);
    ASSERT_TRUE(completamento);
    EXPECT_NE(completamento->dump().find("\"label\":\"lunghezza percorso\""), std::string::npos);

    cliente.richiedi(5, "textDocument/documentSymbol", {{"textDocument", {{"uri", uri_linea}}}});
    const std::optional<json> simboli = cliente.risposta(5);
    ASSERT_TRUE(simboli);
    EXPECT_FALSE((*simboli)["result"].empty()) << simboli->dump();

    cliente.richiedi(6, "shutdown", nullptr);
    const std::optional<json> chiusura = cliente.risposta(6);
    ASSERT_TRUE(chiusura);
    EXPECT_TRUE((*chiusura)["result"].is_null());
    cliente.notifica("exit", nullptr);
    EXPECT_EQ(cliente.stato_finale(), 0);
}

TEST_F(sessione_lsp, publishes_a_partners_finding_on_the_partner) {
    // On disk the line file is wrong; the open buffer, which is right, wins.
    aiuto::scrivi(percorso_linea, linea_errata);
    const std::string treno_errato = sostituito(treno, "stazione,    3750,", "stazione,    3725,");
    aiuto::scrivi(percorso_treno, treno_errato);
    apri(uri_linea, linea);
    // The finding is the train run file's, not open in the editor: it goes there.
    const std::optional<json> del_treno = cliente.diagnostiche(uri_treno);
    ASSERT_TRUE(del_treno);
    ASSERT_EQ(codici(*del_treno), std::vector<json>{8}) << del_treno->dump();
    EXPECT_EQ((*del_treno)[0]["range"]["start"]["line"], posizione_di(treno_errato, "3725").first);
}

TEST_F(sessione_lsp, names_the_partner_it_looked_for_when_it_is_missing) {
    std::filesystem::remove(percorso_treno);
    apri(uri_linea, linea);
    const std::optional<json> d = cliente.diagnostiche(uri_linea);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->size(), 1u) << d->dump();
    EXPECT_NE((*d)[0]["message"].get<std::string>().find("Prova_*-.txt"), std::string::npos);
}

TEST_F(sessione_lsp, ends_with_status_1_on_exit_without_shutdown) {
    cliente.notifica("exit", nullptr);
    EXPECT_EQ(cliente.stato_finale(), 1);
}

TEST_F(sessione_lsp, ends_when_the_editor_closes_its_input) {
    cliente.richiedi(2, "shutdown", nullptr);
    ASSERT_TRUE(cliente.risposta(2));
    cliente.chiudi_ingresso();
    EXPECT_EQ(cliente.stato_finale(), 0);
}

TEST_F(sessione_lsp, refuses_requests_after_shutdown) {
    cliente.richiedi(2, "shutdown", nullptr);
    ASSERT_TRUE(cliente.risposta(2));
    cliente.richiedi(3, "textDocument/documentSymbol", {{"textDocument", {{"uri", uri_linea}}}});
    const std::optional<json> r = cliente.risposta(3);
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)["error"]["code"], -32600);
}

TEST(server_lsp_prima_di_initialize, refuses_requests) {
    cliente_lsp cliente;
    cliente.richiedi(1, "textDocument/documentSymbol", {{"textDocument", {{"uri", "file:///x"}}}});
    const std::optional<json> r = cliente.risposta(1);
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)["error"]["code"], -32002);
}

struct caso_malformato {
    const char* nome;
    std::string byte;
    std::optional<int> codice;  // the error response's code; none when the bytes are dropped
};

std::string cornice(const std::string& corpo) {
    return incornicia(corpo);
}

const std::vector<caso_malformato> casi_malformati = {
    {"json_not_valid", cornice("{\"jsonrpc\":\"2.0\",\"id\":"), -32700},
    {"invalid_utf8", cornice("{\"jsonrpc\":\"2.0\",\"id\":3,\"method\":\"\xC3(\"}"), -32700},
    {"not_an_object", cornice("[1,2]"), -32600},
    {"no_method", cornice("{\"jsonrpc\":\"2.0\",\"id\":3}"), -32600},
    {"unknown_method", cornice("{\"jsonrpc\":\"2.0\",\"id\":3,\"method\":\"x/y\"}"), -32601},
    {"params_of_the_wrong_kind",
     cornice("{\"jsonrpc\":\"2.0\",\"id\":3,\"method\":\"textDocument/"
             "hover\",\"params\":{\"textDocument\":7}}"),
     -32602},
    {"notification_with_bad_params",
     cornice("{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/didChange\",\"params\":[]}"),
     std::nullopt},
    {"no_content_length", "Content-Type: x\r\n\r\n{}", std::nullopt},
    {"length_not_a_number", "Content-Length: many\r\n\r\n{}", std::nullopt},
    {"length_too_large", "Content-Length: 999999999999\r\n\r\n", std::nullopt},
    {"header_never_ending", std::string(20000, 'h'), std::nullopt},
    {"a_nul_in_the_header", std::string("Content-Length: 2\0\r\n\r\n{}", 24), std::nullopt},
};

class messaggio_malformato : public testing::TestWithParam<caso_malformato> {};

TEST_P(messaggio_malformato, gets_an_error_or_is_dropped_and_the_server_goes_on) {
    cliente_lsp cliente;
    inizializza(cliente);
    cliente.invia_byte(GetParam().byte);
    cliente.richiedi(99, "shutdown", nullptr);
    std::optional<int> codice;
    for (;;) {
        const std::optional<json> m = cliente.ricevi();
        ASSERT_TRUE(m) << "the server stopped answering";
        if ((*m)["id"] == 99) break;
        if (m->contains("error")) codice = (*m)["error"]["code"];
    }
    EXPECT_EQ(codice, GetParam().codice);
    cliente.notifica("exit", nullptr);
    EXPECT_EQ(cliente.stato_finale(), 0);
}

INSTANTIATE_TEST_SUITE_P(casi, messaggio_malformato, testing::ValuesIn(casi_malformati),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

#endif
