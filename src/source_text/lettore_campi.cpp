#include "source_text/lettore_campi.h"

#include <algorithm>
#include <cstring>

#include "model/guasto.h"

namespace {

// A token as a message quotes it: a runaway one keeps its start and its end.
std::string citato(std::string_view token) {
    constexpr std::size_t massimo = 64;
    if (token.size() <= massimo) return std::string(token);
    return std::string(token.substr(0, 40)) + "..." + std::string(token.substr(token.size() - 12)) +
           " (" + std::to_string(token.size()) + " byte)";
}

bool spazio(char c) {
    return c == ' ' || c == '\t';
}
bool fine_riga(char c) {
    return c == '\r' || c == '\n';
}

// Where `c` is next in `campo` from `da` on, or the field's size.
std::size_t prossima(std::string_view campo, char c, std::size_t da) {
    const void* trovato = std::memchr(campo.data() + da, c, campo.size() - da);
    return trovato == nullptr
               ? campo.size()
               : static_cast<std::size_t>(static_cast<const char*>(trovato) - campo.data());
}

bool uguali_maiuscole_minuscole(const char* a, std::string_view b) {
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (minuscola_ascii(a[i]) != minuscola_ascii(b[i])) return false;
    }
    return true;
}

// Longest text a station-table name can hold: its length is written in 16 bits.
constexpr std::size_t testo_massimo = 65535;

}  // namespace

lettore_campi::lettore_campi(std::string_view contenuto, sorgente origine)
    : dati_(contenuto), origine_(origine) {}

void lettore_campi::salta_spazi() {
    while (pos_ < dati_.size() && spazio(dati_[pos_])) ++pos_;
}

bool lettore_campi::a_fine_riga() const {
    return pos_ < dati_.size() && fine_riga(dati_[pos_]);
}

void lettore_campi::consuma_fine_riga() {
    if (dati_[pos_] == '\r' && pos_ + 1 < dati_.size() && dati_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++riga_;
    inizio_riga_ = pos_;
}

void lettore_campi::inizia_campo() {
    if (fine_file()) throw guasto("campo richiesto dopo la fine del file");
    salta_spazi();
    riga_campo_ = riga_;
    inizio_riga_campo_ = inizio_riga_;
    inizio_campo_ = pos_;
    ++campi_dopo_parola_;
}

std::string lettore_campi::leggi_testo() {
    inizia_campo();
    const std::size_t inizio = pos_;
    while (pos_ < dati_.size() && dati_[pos_] != ',' && !fine_riga(dati_[pos_])) ++pos_;
    std::size_t fine = pos_;
    while (fine > inizio && spazio(dati_[fine - 1])) --fine;
    if (fine - inizio > testo_massimo) throw guasto("testo più lungo di 65535 byte");
    if (pos_ < dati_.size()) {
        if (dati_[pos_] == ',') {
            ++pos_;
        } else {
            consuma_fine_riga();
        }
    }
    return std::string(dati_.substr(inizio, fine - inizio));
}

std::string lettore_campi::leggi_parola_chiave() {
    std::string campo = leggi_testo();
    parola_chiave_ = punto();
    campi_dopo_parola_ = 0;
    return campo;
}

std::int64_t lettore_campi::leggi_numero(std::int64_t minimo, std::int64_t massimo) {
    inizia_campo();
    const std::size_t inizio = pos_;
    while (pos_ < dati_.size() && dati_[pos_] != ',' && !spazio(dati_[pos_]) &&
           !fine_riga(dati_[pos_])) {
        ++pos_;
    }
    const std::string_view token(dati_.data() + inizio, pos_ - inizio);
    std::size_t cifre = 0;
    bool negativo = false;
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        negativo = token[0] == '-';
        cifre = 1;
    }
    if (cifre == token.size()) throw guasto("numero atteso, trovato \"" + citato(token) + "\"");
    std::int64_t valore = 0;
    for (std::size_t i = cifre; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9') {
            throw guasto("numero atteso, trovato \"" + citato(token) + "\"");
        }
        valore = valore * 10 + (c - '0');
        if (valore > massimo + 1) throw guasto("numero fuori campo: " + citato(token));
    }
    if (negativo) valore = -valore;
    if (valore < minimo || valore > massimo) {
        throw guasto("numero fuori campo: " + citato(token));
    }
    salta_spazi();
    if (pos_ < dati_.size() && dati_[pos_] == ',') {
        ++pos_;
    } else if (a_fine_riga()) {
        consuma_fine_riga();
    }
    return valore;
}

std::int32_t lettore_campi::leggi_intero32() {
    return static_cast<std::int32_t>(leggi_numero(INT32_MIN, INT32_MAX));
}

std::int16_t lettore_campi::leggi_intero16() {
    return static_cast<std::int16_t>(leggi_numero(INT16_MIN, INT16_MAX));
}

std::uint8_t lettore_campi::leggi_byte() {
    return static_cast<std::uint8_t>(leggi_numero(0, UINT8_MAX));
}

luogo_sorgente lettore_campi::luogo(punto_campo punto) const {
    if (punto.riga == 0) return luogo_sorgente{origine_, 0, 0, {}};
    const auto inizio = dati_.begin() + static_cast<std::ptrdiff_t>(punto.inizio_riga);
    const auto fine = std::find_if(inizio, dati_.end(), fine_riga);
    return luogo_sorgente{origine_, punto.riga,
                          static_cast<std::int32_t>(punto.inizio_campo - punto.inizio_riga + 1),
                          std::string(inizio, fine)};
}

luogo_sorgente lettore_campi::fine_riga_parola_chiave() const {
    luogo_sorgente l = luogo(parola_chiave_);
    std::size_t fine = l.testo_riga.size();
    while (fine > 0 && spazio(l.testo_riga[fine - 1])) --fine;
    if (l.riga > 0) l.colonna = static_cast<std::int32_t>(fine + 1);
    return l;
}

bool contiene(std::string_view campo, std::string_view parola) {
    return campo.find(parola) != std::string_view::npos;
}

// Every keyword test of every line passes here: the places where the word's first letter
// stands, in either case, are found by memchr, and only there is the rest compared.
bool contiene_maiuscole_minuscole(std::string_view campo, std::string_view parola) {
    if (parola.empty()) return true;
    if (parola.size() > campo.size()) return false;
    const char piccola = minuscola_ascii(parola[0]);
    const char grande = maiuscola_ascii(parola[0]);
    const std::string_view resto = parola.substr(1);
    const std::size_t ultima = campo.size() - parola.size();
    std::size_t prossima_piccola = prossima(campo, piccola, 0);
    std::size_t prossima_grande = grande == piccola ? campo.size() : prossima(campo, grande, 0);
    for (;;) {
        const std::size_t da = std::min(prossima_piccola, prossima_grande);
        if (da > ultima) return false;
        if (uguali_maiuscole_minuscole(campo.data() + da + 1, resto)) return true;
        if (da == prossima_piccola) {
            prossima_piccola = prossima(campo, piccola, da + 1);
        } else {
            prossima_grande = prossima(campo, grande, da + 1);
        }
    }
}
