#include <gtest/gtest.h>

#ifdef _WIN32

// Its documents come from the test client's helpers, built with the POSIX client only.
TEST(server_lsp, SoloPosix) {
    GTEST_SKIP() << "the documents come from the test client, made of fork and POSIX pipes";
}

#else

#include <algorithm>
#include <string>

#include "aiuto_test.h"
#include "cliente_lsp.h"
#include "lsp/server_lsp.h"

namespace {

using nlohmann::json;

json messaggio(const std::string& metodo, json parametri) {
    return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}

// What the server holds does not grow with the number of changes it has compiled.
// What the server holds does not grow with the number of changes it has compiled, and every
// change is still compiled afresh: the cab-signal start goes off the 50 m grid and back.
TEST(server_lsp, keeps_its_state_bounded_over_ten_thousand_changes) {
    const std::string uri_linea = "file:///cartella-che-non-esiste/Prova_linea.txt";
    const std::string uri_treno = "file:///cartella-che-non-esiste/Prova_1-.txt";
    server_lsp server;
    server.gestisci(
        {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", json::object()}});
    const std::string linea = aiuto::linea_con("", "ripetizione segnali 9 codici, 100, 500\r\n");
    const std::string treno = aiuto::treno_con("velocita, 0, 60\r\n");
    for (const auto& [uri, testo] : {std::pair{uri_treno, treno}, std::pair{uri_linea, linea}}) {
        server.gestisci(
            messaggio("textDocument/didOpen",
                      {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", testo}}}}));
    }
    std::size_t occupati_all_inizio = 0;
    for (int i = 0; i < 10000; ++i) {
        const bool errata = i % 2 == 0;
        const auto uscite = server.gestisci(messaggio(
            "textDocument/didChange", cambio_di(uri_linea, i + 2, 2, 32, 33, errata ? "5" : "0")));
        ASSERT_EQ(uscite.size(), 2u);  // the diagnostics of both files
        const json& della_linea = uscite[0]["params"];
        ASSERT_EQ(della_linea["uri"], uri_linea);
        const auto errore_3 =
            std::count_if(della_linea["diagnostics"].begin(), della_linea["diagnostics"].end(),
                          [](const json& d) { return d.value("code", json()) == 3; });
        ASSERT_EQ(errore_3, errata ? 1 : 0) << i;
        if (i == 10) occupati_all_inizio = server.buffer().byte_occupati();
    }
    EXPECT_EQ(server.buffer().byte_occupati(), occupati_all_inizio);
    EXPECT_EQ(server.buffer().tutti().size(), 2u);
}

}  // namespace

#endif
