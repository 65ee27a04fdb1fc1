#pragma once

#include <sys/types.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "lsp/cornice.h"

// A client for `compila_scenario lsp` that talks to the real binary over pipes, as an
// editor does. Every wait has a deadline, so that a server that hangs fails the test.
class cliente_lsp {
  public:
    cliente_lsp();
    ~cliente_lsp();
    cliente_lsp(const cliente_lsp&) = delete;
    cliente_lsp& operator=(const cliente_lsp&) = delete;

    void invia_byte(std::string_view byte);
    void invia(const nlohmann::json& messaggio);
    void richiedi(int id, const std::string& metodo, const nlohmann::json& parametri);
    void notifica(const std::string& metodo, const nlohmann::json& parametri);
    void chiudi_ingresso();

    // The next message from the server; none when nothing came before the deadline.
    std::optional<nlohmann::json> ricevi(
        std::chrono::milliseconds attesa = std::chrono::seconds(10));
    // The response to request `id`, skipping the notifications before it.
    std::optional<nlohmann::json> risposta(int id);
    // The next diagnostics published for `uri`.
    std::optional<nlohmann::json> diagnostiche(const std::string& uri);

    // Waits for the process to end; its exit status, none when it did not end in time.
    std::optional<int> stato_finale(std::chrono::milliseconds attesa = std::chrono::seconds(10));

  private:
    pid_t pid_ = -1;
    int ingresso_ = -1;  // the server's standard input
    int uscita_ = -1;    // its standard output
    lettore_cornici lettore_;
    std::optional<int> stato_;
};

// The usual opening: initialize, its response, initialized.
void inizializza(cliente_lsp& cliente);

// The embedded scenario's two files as an editor holds them: UTF-8, CR LF line ends.
std::string testo_linea_incorporata();
std::string testo_treno_incorporato();

// The params of a request at a position of a document.
nlohmann::json alla_posizione(const std::string& uri, int riga, int colonna);

// The params of a didChange that replaces columns [da, a) of a line with `testo`.
nlohmann::json cambio_di(const std::string& uri, int versione, int riga, int da, int a,
                         const std::string& testo);
