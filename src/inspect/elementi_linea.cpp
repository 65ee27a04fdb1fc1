#include "inspect/elementi_linea.h"

#include <algorithm>
#include <optional>
#include <set>

#include "inspect/etichette_celle.h"
#include "inspect/nome_oggetto.h"
#include "source_text/codifica_1252.h"

namespace {

constexpr std::int32_t metri_cella = 50;
constexpr int riga_linea = 85;
constexpr int riga_treno = 86;
constexpr int riga_lunghezza = 84;
constexpr int ultima_riga_cartelli = 80;

// Objects stand in the cell after their position: cell k holds the one at 50 (k - 1) m.
std::int32_t metro_oggetto(std::size_t cella) {
    return (static_cast<std::int32_t>(cella) - 1) * metri_cella;
}

// Reductions, like the track values, use the cell of their own position.
std::int32_t metro_cella(std::size_t cella) {
    return static_cast<std::int32_t>(cella) * metri_cella;
}

// Collapses the padding blanks of a board text.
std::string compatta(const std::string& testo) {
    std::string uscita;
    for (const char c : testo) {
        if (c == ' ' && (uscita.empty() || uscita.back() == ' ' || uscita.back() == '(')) continue;
        if (c == ')' && !uscita.empty() && uscita.back() == ' ') uscita.pop_back();
        uscita.push_back(c);
    }
    if (!uscita.empty() && uscita.back() == ' ') uscita.pop_back();
    return uscita;
}

std::string dettaglio(const cella& c, std::size_t indice, std::int32_t metro) {
    return std::to_string(metro) + " m, cella " + std::to_string(indice) + ": " +
           etichette_cella(c, indice).come_testo();
}

// A speed board's three speeds on its left side, in km/h.
std::string velocita_indicatore(const cella& c) {
    auto sinistra = [](std::int16_t v) { return std::to_string(v / 100 * 5); };
    return sinistra(c.valore_1) + "/" + sinistra(c.valore_2) + "/" + sinistra(c.valore_3);
}

std::optional<genere_oggetto> genere_di(std::uint8_t tipo) {
    switch (tipo) {
        case tipo_cella::segnale:
            return genere_oggetto::segnale;
        case tipo_cella::cartello_indicatore:
            return genere_oggetto::cartello_indicatore;
        case tipo_cella::indicatore_vmax:
            return genere_oggetto::indicatore_vmax;
        case tipo_cella::avviso_rallentamento:
            return genere_oggetto::avviso_rallentamento;
        case tipo_cella::inizio_rallentamento:
            return genere_oggetto::inizio_rallentamento;
        case tipo_cella::fine_rallentamento:
            return genere_oggetto::fine_rallentamento;
        case tipo_cella::abbattimento:
        case tipo_cella::abbattimento_senza_valore:
            return genere_oggetto::abbattimento;
        default:
            return std::nullopt;
    }
}

std::string etichetta(const cella& c, const tabella_sim_decodificata& tabella) {
    switch (c.tipo) {
        case tipo_cella::cartello_indicatore:
            if (c.valore_1 > 0 && c.valore_1 <= ultima_riga_cartelli) {
                return compatta(
                    testo_1252_a_utf8(tabella[static_cast<std::size_t>(c.valore_1)].nome));
            }
            return {};
        case tipo_cella::indicatore_vmax:
            return velocita_indicatore(c);
        case tipo_cella::avviso_rallentamento:
        case tipo_cella::inizio_rallentamento:
        case tipo_cella::fine_rallentamento:
        case tipo_cella::abbattimento:
            return std::to_string(c.valore_1);
        default:
            return {};
    }
}

std::vector<oggetto_linea> oggetti(const tabella_sim_decodificata& tabella,
                                   const std::vector<cella>& celle) {
    std::vector<oggetto_linea> uscita;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        const auto genere = genere_di(celle[i].tipo);
        if (!genere) continue;
        const bool proprio = *genere == genere_oggetto::abbattimento;
        const std::int32_t metro = proprio ? metro_cella(i) : metro_oggetto(i);
        uscita.push_back(
            {*genere, metro, etichetta(celle[i], tabella), dettaglio(celle[i], i, metro)});
    }
    return uscita;
}

// Board texts fill rows from 80 down and are found through the cells that point at them;
// station rows are the other filled rows below 81.
std::vector<stazione_linea> stazioni(const tabella_sim_decodificata& tabella,
                                     const std::vector<cella>& celle) {
    std::set<int> righe_cartelli;
    for (const cella& c : celle) {
        if (c.tipo == tipo_cella::cartello_indicatore) righe_cartelli.insert(c.valore_1);
    }
    std::vector<stazione_linea> uscita;
    for (int r = 1; r <= ultima_riga_cartelli; ++r) {
        const riga_sim& riga = tabella[static_cast<std::size_t>(r)];
        if (righe_cartelli.count(r) != 0 || riga == riga_sim{}) continue;
        uscita.push_back(
            {riga.posizione, riga.inizio, riga.fine, testo_1252_a_utf8(riga.nome), riga.orario});
    }
    return uscita;
}

// The line speed of every cell, lowered from each slowdown's start board to its end board.
std::vector<int> velocita_con_rallentamenti(const std::vector<cella>& celle) {
    std::vector<int> v(celle.size());
    for (std::size_t i = 0; i < celle.size(); ++i) v[i] = celle[i].vel_limite * 5;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        if (celle[i].tipo != tipo_cella::inizio_rallentamento) continue;
        std::size_t fine = i;
        while (fine + 1 < celle.size() && celle[fine].tipo != tipo_cella::fine_rallentamento)
            ++fine;
        // The boards stand in the cell after their position; the values under them do not.
        for (std::size_t k = i == 0 ? 0 : i - 1; k < fine; ++k)
            v[k] = std::min(v[k], int{celle[i].valore_1});
    }
    return v;
}

template <typename F>
std::vector<tratto_valore> tratti(const std::vector<cella>& celle, std::int32_t lunghezza,
                                  F valore) {
    std::vector<tratto_valore> uscita;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        // A track value covers the metres whose nearest cell is this one.
        const std::int32_t da = std::max(0, metro_cella(i) - metri_cella / 2);
        const std::int32_t a = std::min(lunghezza, metro_cella(i) + metri_cella / 2);
        if (da >= a) break;
        const int v = valore(i);
        if (!uscita.empty() && uscita.back().valore == v) {
            uscita.back().a = a;
        } else {
            uscita.push_back({da, a, v});
        }
    }
    return uscita;
}

}  // namespace

elementi_linea estrai_elementi(const tabella_sim_decodificata& tabella,
                               const std::vector<cella>& celle) {
    elementi_linea e;
    const riga_sim& treno = tabella[riga_treno];
    e.nome_linea = testo_1252_a_utf8(tabella[riga_linea].nome);
    e.numero_treno = testo_1252_a_utf8(treno.nome);
    e.lunghezza = tabella[riga_lunghezza].fine;
    if (e.lunghezza <= 0) e.lunghezza = metro_cella(celle.empty() ? 0 : celle.size() - 1);
    e.stazioni = stazioni(tabella, celle);
    e.oggetti = oggetti(tabella, celle);
    e.velocita = tratti(celle, e.lunghezza, [&](std::size_t i) { return celle[i].vel_limite * 5; });
    const std::vector<int> in_vigore = velocita_con_rallentamenti(celle);
    e.velocita_in_vigore = tratti(celle, e.lunghezza, [&](std::size_t i) { return in_vigore[i]; });
    e.pendenze = tratti(celle, e.lunghezza, [&](std::size_t i) { return celle[i].pendenza - 100; });
    e.ripetizione_inizio = treno.inizio;
    e.ripetizione_fine = treno.fine;
    e.codici_ripetizione = treno.posizione;
    return e;
}
