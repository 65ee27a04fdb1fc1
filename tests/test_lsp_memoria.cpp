#include <gtest/gtest.h>

#include <string>

#include "cliente_lsp.h"
#include "lsp/server_lsp.h"

namespace {

using nlohmann::json;

json messaggio(const std::string& metodo, json parametri) {
    return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}

// What the server holds does not grow with the number of changes it has compiled.
TEST(server_lsp, keeps_its_state_bounded_over_ten_thousand_changes) {
    const std::string uri_linea = "file:///cartella-che-non-esiste/Prova_linea.txt";
    const std::string uri_treno = "file:///cartella-che-non-esiste/Prova_9402-.txt";
    server_lsp server;
    server.gestisci(
        {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", json::object()}});
    for (const auto& [uri, testo] : {std::pair{uri_treno, testo_treno_incorporato()},
                                     std::pair{uri_linea, testo_linea_incorporata()}}) {
        server.gestisci(
            messaggio("textDocument/didOpen",
                      {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", testo}}}}));
    }
    // "lunghezza percorso,    32000": its last digit, from 0 to 5 and back.
    std::size_t occupati_all_inizio = 0;
    for (int i = 0; i < 10000; ++i) {
        const auto uscite = server.gestisci(messaggio(
            "textDocument/didChange", cambio_di(uri_linea, i + 2, 1, 27, 28, i % 2 ? "0" : "5")));
        ASSERT_EQ(uscite.size(), 2u);  // the diagnostics of both files
        if (i == 10) occupati_all_inizio = server.buffer().byte_occupati();
    }
    EXPECT_EQ(server.buffer().byte_occupati(), occupati_all_inizio);
    EXPECT_EQ(server.buffer().tutti().size(), 2u);
}

}  // namespace
