// libFuzzer target for the language server's input: the first byte sets how the rest of the
// input is cut into reads, the rest is the byte stream an editor would send. Every message
// the framing finds goes through the server's dispatch, and every response is serialised.
// Besides the sanitizers it checks that the reader holds no more than one header and one body.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "lsp/cornice.h"
#include "lsp/server_lsp.h"

namespace {

[[noreturn]] void viola(const char* cosa) {
    std::fprintf(stderr, "violazione: %s\n", cosa);
    std::abort();
}

void gestisci(server_lsp& server, const cornice_letta& cornice) {
    if (!cornice.valida) {
        if (cornice.difetto.empty()) viola("cornice scartata senza motivo");
        return;
    }
    for (const nlohmann::json& m : server.gestisci_corpo(cornice.corpo)) {
        if (incornicia(m.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)).empty())
            viola("risposta vuota");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n == 0) return 0;
    const std::size_t blocco = std::size_t{dati[0]} + 1;
    const std::string_view flusso(reinterpret_cast<const char*>(dati) + 1, n - 1);
    server_lsp server;
    server.gestisci({{"jsonrpc", "2.0"}, {"id", 0}, {"method", "initialize"}, {"params", {}}});
    lettore_cornici lettore;
    for (std::size_t i = 0; i < flusso.size(); i += blocco) {
        lettore.aggiungi(flusso.substr(i, blocco));
        while (const std::optional<cornice_letta> cornice = lettore.prossima()) {
            gestisci(server, *cornice);
            if (server.uscito()) return 0;
        }
        if (lettore.in_attesa() > lettore_cornici::massimo_intestazione + lettore_cornici::massimo_corpo)
            viola("il lettore trattiene più di un'intestazione e un corpo");
    }
    return 0;
}
