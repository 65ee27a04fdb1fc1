#include "lsp/cornice.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view fine_intestazione = "\r\n\r\n";
// Where the reader picks the stream up again after a header it had to drop.
constexpr std::string_view campo_lunghezza = "Content-Length";

bool stesso_nome(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto minuscola = [](char c) {
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        };
        if (minuscola(a[i]) != minuscola(b[i])) return false;
    }
    return true;
}

std::string_view senza_spazi(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// The body length the header block gives, or why it gives none.
struct lunghezza_letta {
    std::optional<std::size_t> lunghezza;
    std::string difetto;
};

lunghezza_letta lunghezza_da(std::string_view intestazione) {
    lunghezza_letta esito;
    while (!intestazione.empty()) {
        const std::size_t a_capo = intestazione.find("\r\n");
        const std::string_view riga = intestazione.substr(0, a_capo);
        intestazione.remove_prefix(a_capo == std::string_view::npos ? intestazione.size()
                                                                    : a_capo + 2);
        const std::size_t due_punti = riga.find(':');
        if (due_punti == std::string_view::npos)
            return {std::nullopt, "riga di intestazione senza ':'"};
        if (!stesso_nome(senza_spazi(riga.substr(0, due_punti)), "Content-Length")) continue;
        const std::string_view valore = senza_spazi(riga.substr(due_punti + 1));
        std::size_t n = 0;
        const auto [fine, errore] =
            std::from_chars(valore.data(), valore.data() + valore.size(), n);
        if (valore.empty() || errore != std::errc{} || fine != valore.data() + valore.size())
            return {std::nullopt, "Content-Length non è un numero"};
        if (n > lettore_cornici::massimo_corpo)
            return {std::nullopt, "Content-Length troppo grande"};
        esito.lunghezza = n;
    }
    if (!esito.lunghezza) esito.difetto = "manca Content-Length";
    return esito;
}

}  // namespace

void lettore_cornici::aggiungi(std::string_view byte) {
    compatta();
    dati_.append(byte);
}

std::optional<cornice_letta> lettore_cornici::prossima() {
    return lunghezza_corpo_ ? leggi_corpo() : leggi_intestazione();
}

std::optional<cornice_letta> lettore_cornici::leggi_intestazione() {
    const std::string_view attesa = std::string_view(dati_).substr(inizio_);
    const std::size_t fine = attesa.find(fine_intestazione);
    if (fine == std::string_view::npos) {
        if (attesa.size() <= massimo_intestazione) return std::nullopt;
        riprendi(1);
        return cornice_letta{false, {}, "intestazione troppo lunga"};
    }
    const lunghezza_letta letta = lunghezza_da(attesa.substr(0, fine));
    if (!letta.lunghezza) {
        riprendi(fine + fine_intestazione.size());
        return cornice_letta{false, {}, letta.difetto};
    }
    inizio_ += fine + fine_intestazione.size();
    lunghezza_corpo_ = letta.lunghezza;
    return leggi_corpo();
}

void lettore_cornici::riprendi(std::size_t minimo) {
    const std::string_view attesa = std::string_view(dati_).substr(inizio_);
    const std::size_t prossima = attesa.find(campo_lunghezza, 1);
    if (prossima != std::string_view::npos) {
        inizio_ += prossima;
        return;
    }
    // The start of the next header may be cut across two reads: its first bytes stay.
    const std::size_t tenuti = std::min(attesa.size(), campo_lunghezza.size() - 1);
    inizio_ += std::max(minimo, attesa.size() - tenuti);
}

std::optional<cornice_letta> lettore_cornici::leggi_corpo() {
    if (in_attesa() < *lunghezza_corpo_) return std::nullopt;
    cornice_letta letta{true, dati_.substr(inizio_, *lunghezza_corpo_), {}};
    inizio_ += *lunghezza_corpo_;
    lunghezza_corpo_.reset();
    return letta;
}

void lettore_cornici::compatta() {
    dati_.erase(0, inizio_);
    inizio_ = 0;
    if (dati_.capacity() > 2 * massimo_intestazione && dati_.capacity() > 4 * dati_.size())
        dati_.shrink_to_fit();
}

std::string incornicia(std::string_view corpo) {
    std::string cornice = "Content-Length: " + std::to_string(corpo.size()) + "\r\n\r\n";
    cornice.append(corpo);
    return cornice;
}
