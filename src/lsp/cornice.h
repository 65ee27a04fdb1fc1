#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The protocol's framing: header lines ending in CR LF, one of them "Content-Length: N",
// an empty line, then N bytes of body.

// What the reader found next in the stream: a body, or a header it had to drop.
struct cornice_letta {
    bool valida = false;
    std::string corpo;    // the message, when valid
    std::string difetto;  // why the header was dropped, when not
};

// Cuts a byte stream into messages, however the bytes arrive. Holds at most one header
// and one body. A header without a valid length, or one that grows past its limit, is
// dropped, and the reading picks up again at the next "Content-Length".
class lettore_cornici {
  public:
    static constexpr std::size_t massimo_intestazione = 8192;
    static constexpr std::size_t massimo_corpo = 256u << 20;

    void aggiungi(std::string_view byte);
    // The next message or dropped header; none until more bytes arrive.
    std::optional<cornice_letta> prossima();
    // Bytes received and not yet handed out, for the memory bound.
    std::size_t in_attesa() const { return dati_.size() - inizio_; }

  private:
    std::optional<cornice_letta> leggi_intestazione();
    std::optional<cornice_letta> leggi_corpo();
    // Drops at least `minimo` bytes of a bad header, up to the next header's start.
    void riprendi(std::size_t minimo);
    void compatta();

    std::string dati_;
    std::size_t inizio_ = 0;
    std::optional<std::size_t> lunghezza_corpo_;  // set once its header has been read
};

// One message with its header, ready for the stream.
std::string incornicia(std::string_view corpo);
