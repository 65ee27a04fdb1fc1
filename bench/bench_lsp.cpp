// The language server's diagnostics latency: from the body of a one-character change of an
// open line file to the framed diagnostics of both files, in process (the pipes add tens of
// microseconds). And what the process holds after 10,000 such changes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "ambiente_bench.h"
#include "lsp/cornice.h"
#include "lsp/server_lsp.h"
#include "lsp/uri_file.h"
#include "scenario_lungo.h"
#include "source_text/codifica_1252.h"
#include "source_text/scenario_incorporato.h"

namespace {

using nlohmann::json;

std::string in_utf8_crlf(const std::vector<std::string>& righe) {
    std::string testo;
    for (const std::string& r : righe) testo += testo_1252_a_utf8(r) + "\r\n";
    return testo;
}

json notifica(const std::string& metodo, json parametri) {
    return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}

// A server with a line file and its train run file open, both also on disk beside each other
// as an author has them; changes go to the digit of "sfondo uno" (stored as written).
class sessione_aperta {
  public:
    sessione_aperta(const std::string& nome_linea, const std::string& numero_treno,
                    const std::string& linea, const std::string& treno)
        : uri_linea_(uri_da_percorso(cartella_.file(nome_linea + "_linea.txt"))) {
        const std::string file_treno = cartella_.file(nome_linea + "_" + numero_treno + "-.txt");
        std::ofstream(cartella_.file(nome_linea + "_linea.txt"), std::ios::binary) << linea;
        std::ofstream(file_treno, std::ios::binary) << treno;
        server_.gestisci(
            {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", json::object()}});
        apri(uri_da_percorso(file_treno), treno);
        apri(uri_linea_, linea);
        const std::size_t sfondo = linea.find("sfondo uno");
        riga_ = static_cast<int>(
            std::count(linea.begin(), linea.begin() + static_cast<long>(sfondo), '\n'));
        const std::size_t inizio_riga = linea.rfind('\n', sfondo) + 1;
        colonna_ = static_cast<int>(linea.find_first_of("0123456789", sfondo) - inizio_riga);
    }

    // One change as the editor sends it, and the bytes the editor receives for it.
    std::size_t cambia() {
        ++versione_;
        const json intervallo = {{"start", {{"line", riga_}, {"character", colonna_}}},
                                 {"end", {{"line", riga_}, {"character", colonna_ + 1}}}};
        const json cambio = {{"range", intervallo}, {"text", versione_ % 2 ? "2" : "1"}};
        const std::string corpo =
            notifica("textDocument/didChange",
                     {{"textDocument", {{"uri", uri_linea_}, {"version", versione_}}},
                      {"contentChanges", json::array({cambio})}})
                .dump();
        std::size_t byte = 0;
        for (const json& m : server_.gestisci_corpo(corpo)) byte += incornicia(m.dump()).size();
        return byte;
    }

  private:
    void apri(const std::string& uri, const std::string& testo) {
        server_.gestisci(
            notifica("textDocument/didOpen",
                     {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", testo}}}}));
    }

    cartella_bench cartella_{base_disco()};
    std::string uri_linea_;
    server_lsp server_;
    int riga_ = 0;
    int colonna_ = 0;
    int versione_ = 1;
};

void lsp_modifica_scenario_incorporato(benchmark::State& state) {
    sessione_aperta s(nome_linea_incorporata, numero_treno_incorporato,
                      in_utf8_crlf(righe_file_linea()), in_utf8_crlf(righe_file_treno()));
    for (auto _ : state) benchmark::DoNotOptimize(s.cambia());
}

void lsp_modifica_linea_lunga(benchmark::State& state) {
    sessione_aperta s(nome_linea_lunga, numero_treno_lungo, testo_1252_a_utf8(testo_linea_lunga()),
                      testo_1252_a_utf8(testo_treno_lungo()));
    for (auto _ : state) benchmark::DoNotOptimize(s.cambia());
}

double rss_kib() {
    std::ifstream statm("/proc/self/statm");
    long totale = 0;
    long residente = 0;
    statm >> totale >> residente;
    return static_cast<double>(residente) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// Resident memory after 100 changes and after 10,000 more: bounded means they match.
void lsp_memoria_10000_modifiche(benchmark::State& state) {
    for (auto _ : state) {
        sessione_aperta s(nome_linea_incorporata, numero_treno_incorporato,
                          in_utf8_crlf(righe_file_linea()), in_utf8_crlf(righe_file_treno()));
        for (int i = 0; i < 100; ++i) s.cambia();
        const double prima = rss_kib();
        for (int i = 0; i < 10000; ++i) s.cambia();
        state.counters["rss_dopo_100_KiB"] = prima;
        state.counters["rss_dopo_10100_KiB"] = rss_kib();
    }
}

}  // namespace

BENCHMARK(lsp_modifica_scenario_incorporato)->Unit(benchmark::kMillisecond);
BENCHMARK(lsp_modifica_linea_lunga)->Unit(benchmark::kMillisecond);
BENCHMARK(lsp_memoria_10000_modifiche)->Unit(benchmark::kMillisecond)->Iterations(1);
