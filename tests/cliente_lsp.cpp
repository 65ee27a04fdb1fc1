#include "cliente_lsp.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <thread>
#include <vector>

#include "source_text/codifica_1252.h"
#include "source_text/scenario_incorporato.h"

namespace {

using orologio = std::chrono::steady_clock;

int millisecondi_a(orologio::time_point scadenza) {
    const auto resto =
        std::chrono::duration_cast<std::chrono::milliseconds>(scadenza - orologio::now());
    return resto.count() > 0 ? static_cast<int>(resto.count()) : 0;
}

}  // namespace

cliente_lsp::cliente_lsp() {
    std::signal(SIGPIPE, SIG_IGN);
    int verso_server[2];
    int dal_server[2];
    if (::pipe(verso_server) != 0 || ::pipe(dal_server) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(verso_server[0], 0);
        ::dup2(dal_server[1], 1);
        ::close(verso_server[0]);
        ::close(verso_server[1]);
        ::close(dal_server[0]);
        ::close(dal_server[1]);
        ::execl(COMPILA_ESEGUIBILE, COMPILA_ESEGUIBILE, "lsp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(verso_server[0]);
    ::close(dal_server[1]);
    ingresso_ = verso_server[1];
    uscita_ = dal_server[0];
}

cliente_lsp::~cliente_lsp() {
    if (ingresso_ >= 0) ::close(ingresso_);
    if (!stato_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(uscita_);
}

void cliente_lsp::invia_byte(std::string_view byte) {
    while (!byte.empty()) {
        const ssize_t n = ::write(ingresso_, byte.data(), byte.size());
        if (n <= 0) return;  // the server is gone; the test sees it in what it receives
        byte.remove_prefix(static_cast<std::size_t>(n));
    }
}

void cliente_lsp::invia(const nlohmann::json& messaggio) {
    invia_byte(incornicia(messaggio.dump()));
}

void cliente_lsp::richiedi(int id, const std::string& metodo, const nlohmann::json& parametri) {
    invia({{"jsonrpc", "2.0"}, {"id", id}, {"method", metodo}, {"params", parametri}});
}

void cliente_lsp::notifica(const std::string& metodo, const nlohmann::json& parametri) {
    invia({{"jsonrpc", "2.0"}, {"method", metodo}, {"params", parametri}});
}

void cliente_lsp::chiudi_ingresso() {
    ::close(ingresso_);
    ingresso_ = -1;
}

std::optional<nlohmann::json> cliente_lsp::ricevi(std::chrono::milliseconds attesa) {
    const auto scadenza = orologio::now() + attesa;
    for (;;) {
        if (std::optional<cornice_letta> c = lettore_.prossima()) {
            if (!c->valida)
                throw std::runtime_error("cornice del server non valida: " + c->difetto);
            return nlohmann::json::parse(c->corpo);
        }
        pollfd p{uscita_, POLLIN, 0};
        if (::poll(&p, 1, millisecondi_a(scadenza)) <= 0) return std::nullopt;
        char blocco[65536];
        const ssize_t n = ::read(uscita_, blocco, sizeof blocco);
        if (n <= 0) return std::nullopt;
        lettore_.aggiungi(std::string_view(blocco, static_cast<std::size_t>(n)));
    }
}

std::optional<nlohmann::json> cliente_lsp::risposta(int id) {
    while (std::optional<nlohmann::json> m = ricevi()) {
        if (m->contains("id") && !m->contains("method") && (*m)["id"] == id) return m;
    }
    return std::nullopt;
}

std::optional<nlohmann::json> cliente_lsp::diagnostiche(const std::string& uri) {
    while (std::optional<nlohmann::json> m = ricevi()) {
        if (m->value("method", "") == "textDocument/publishDiagnostics" &&
            (*m)["params"]["uri"] == uri)
            return (*m)["params"]["diagnostics"];
    }
    return std::nullopt;
}

std::optional<int> cliente_lsp::stato_finale(std::chrono::milliseconds attesa) {
    const auto scadenza = orologio::now() + attesa;
    while (!stato_) {
        int stato = 0;
        const pid_t finito = ::waitpid(pid_, &stato, WNOHANG);
        if (finito == pid_) {
            stato_ = WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
        } else if (orologio::now() >= scadenza) {
            return std::nullopt;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return stato_;
}

void inizializza(cliente_lsp& cliente) {
    cliente.richiedi(1, "initialize",
                     {{"processId", nullptr}, {"capabilities", nlohmann::json::object()}});
    if (!cliente.risposta(1)) throw std::runtime_error("nessuna risposta a initialize");
    cliente.notifica("initialized", nlohmann::json::object());
}

namespace {

std::string in_utf8_crlf(const std::vector<std::string>& righe) {
    std::string testo;
    for (const std::string& r : righe) testo += testo_1252_a_utf8(r) + "\r\n";
    return testo;
}

}  // namespace

std::string testo_linea_incorporata() {
    return in_utf8_crlf(righe_file_linea());
}
std::string testo_treno_incorporato() {
    return in_utf8_crlf(righe_file_treno());
}

nlohmann::json alla_posizione(const std::string& uri, int riga, int colonna) {
    return {{"textDocument", {{"uri", uri}}},
            {"position", {{"line", riga}, {"character", colonna}}}};
}

nlohmann::json cambio_di(const std::string& uri, int versione, int riga, int da, int a,
                         const std::string& testo) {
    const nlohmann::json intervallo = {{"start", {{"line", riga}, {"character", da}}},
                                       {"end", {{"line", riga}, {"character", a}}}};
    nlohmann::json cambio = {{"range", intervallo}, {"text", testo}};
    return {{"textDocument", {{"uri", uri}, {"version", versione}}},
            {"contentChanges", nlohmann::json::array({cambio})}};
}
