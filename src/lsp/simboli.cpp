#include "lsp/simboli.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lsp/campi_riga.h"
#include "lsp/posizioni_testo.h"
#include "source_text/codifica_1252.h"

namespace {

// The protocol's symbol kinds used here.
enum class tipo_simbolo {
    funzione = 12,
    costante = 14,
    stringa = 15,
    oggetto = 19,
    evento = 24,
    operatore = 25
};

struct genere_simbolo {
    std::string_view inizio_parola;  // how the keyword the guide writes begins
    tipo_simbolo tipo;
    std::optional<std::size_t> valore_nome;  // the value that names it; none: keyword and position
};

constexpr std::nullopt_t nessun_nome = std::nullopt;

constexpr genere_simbolo generi[] = {
    {"stazione", tipo_simbolo::oggetto, 16},
    {"segnale", tipo_simbolo::evento, nessun_nome},
    {"rallentamento", tipo_simbolo::operatore, nessun_nome},
    {"curva", tipo_simbolo::funzione, nessun_nome},
    {"indicatori", tipo_simbolo::costante, nessun_nome},
    {"cartello", tipo_simbolo::stringa, 1},
};

const genere_simbolo* genere_di(const descrizione_parola_chiave& parola) {
    for (const genere_simbolo& g : generi) {
        if (parola.parola.starts_with(g.inizio_parola)) return &g;
    }
    return nullptr;
}

struct simbolo {
    std::int64_t posizione = 0;
    nlohmann::json json;
};

std::string_view testo_di(std::string_view linea, const campo_riga& campo) {
    return linea.substr(campo.inizio, campo.fine - campo.inizio);
}

std::int64_t numero_o_zero(std::string_view campo) {
    std::int64_t n = 0;
    std::from_chars(campo.data(), campo.data() + campo.size(), n);
    return n;
}

nlohmann::json intervallo(std::size_t riga, std::size_t da, std::size_t a) {
    return {{"start", {{"line", riga}, {"character", da}}},
            {"end", {{"line", riga}, {"character", a}}}};
}

std::optional<simbolo> simbolo_della_riga(std::string_view linea, std::size_t riga, sorgente file) {
    const std::string_view primo = primo_campo(linea);
    const descrizione_parola_chiave* parola = parola_chiave_di(file, utf8_a_1252(primo));
    if (parola == nullptr) return std::nullopt;
    const genere_simbolo* genere = genere_di(*parola);
    if (genere == nullptr) return std::nullopt;
    const campi_riga campi = taglia_riga(linea, *parola);
    if (campi.valori.empty()) return std::nullopt;
    const std::string_view posizione = testo_di(linea, campi.valori[0]);
    std::string nome;
    if (genere->valore_nome && *genere->valore_nome < campi.valori.size())
        nome = testo_di(linea, campi.valori[*genere->valore_nome]);
    if (nome.empty()) nome = std::string(primo) + " " + std::string(posizione) + " m";
    const std::size_t fine = utf16_da_byte(linea, linea.size());
    return simbolo{numero_o_zero(posizione),
                   {{"name", nome},
                    {"detail", std::string(parola->parola) + ", " + std::string(posizione) + " m"},
                    {"kind", static_cast<int>(genere->tipo)},
                    {"range", intervallo(riga, 0, fine)},
                    {"selectionRange", intervallo(riga, utf16_da_byte(linea, campi.parola.inizio),
                                                  utf16_da_byte(linea, campi.parola.fine))}}};
}

}  // namespace

nlohmann::json simboli_documento(std::string_view testo, sorgente file) {
    std::vector<simbolo> simboli;
    std::size_t riga = 0;
    for (std::size_t inizio = 0; inizio <= testo.size(); ++riga) {
        std::size_t fine = testo.find_first_of("\r\n", inizio);
        if (fine == std::string_view::npos) fine = testo.size();
        if (auto s = simbolo_della_riga(testo.substr(inizio, fine - inizio), riga, file))
            simboli.push_back(std::move(*s));
        if (fine == testo.size()) break;
        inizio =
            fine +
            (testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n' ? 2 : 1);
    }
    std::stable_sort(simboli.begin(), simboli.end(),
                     [](const simbolo& a, const simbolo& b) { return a.posizione < b.posizione; });
    nlohmann::json uscita = nlohmann::json::array();
    for (simbolo& s : simboli) uscita.push_back(std::move(s.json));
    return uscita;
}
