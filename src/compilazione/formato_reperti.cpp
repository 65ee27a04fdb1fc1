#include "compilazione/formato_reperti.h"

#include <algorithm>
#include <string_view>

#include "source_text/codifica_1252.h"

namespace {

std::string prefisso(const reperto& r, const nomi_sorgenti& nomi) {
    if (r.luogo.file == sorgente::nessuna) return "compila_scenario: ";
    std::string p = nome_file(r, nomi);
    if (r.luogo.riga > 0) p += ":" + std::to_string(r.luogo.riga);
    if (r.luogo.riga > 0 && r.luogo.colonna > 0) p += ":" + std::to_string(r.luogo.colonna);
    return p + ": ";
}

std::string livello(const reperto& r) {
    switch (r.livello) {
        case livello_reperto::errore:
            if (r.numero == 0) return "errore: ";
            return "errore " + std::to_string(r.numero) + ": ";
        case livello_reperto::avviso:
            return "avviso: ";
        case livello_reperto::nota:
            return "nota: ";
    }
    return {};
}

// A source line can be as long as the file: only this much of it is shown, around the caret.
constexpr std::size_t larghezza_finestra = 200;
// A word of a message longer than this (a runaway number, a name with no end) is shortened.
constexpr std::size_t parola_massima = 64;
constexpr std::string_view puntini = "...";

// The part of the line shown, and where the caret falls in it (0-based).
struct finestra_riga {
    std::string testo;  // Windows-1252, with "..." where the line was cut
    std::size_t colonna = 0;
};

finestra_riga finestra(const luogo_sorgente& luogo) {
    const std::string& riga = luogo.testo_riga;
    const std::size_t colonna = luogo.colonna > 0 ? static_cast<std::size_t>(luogo.colonna) - 1 : 0;
    if (riga.size() <= larghezza_finestra) return {riga, colonna};
    const std::size_t meta = larghezza_finestra / 2;
    std::size_t inizio = colonna > meta ? colonna - meta : 0;
    const std::size_t fine = std::min(riga.size(), inizio + larghezza_finestra);
    inizio = fine - larghezza_finestra;
    finestra_riga f;
    if (inizio > 0) f.testo = puntini;
    f.testo += riga.substr(inizio, fine - inizio);
    if (fine < riga.size()) f.testo += puntini;
    f.colonna = colonna - inizio + (inizio > 0 ? puntini.size() : 0);
    return f;
}

// Blanks up to the column, keeping tabs so that the caret lines up under the field.
std::string sottolinea(const finestra_riga& f) {
    std::string margine;
    for (std::size_t i = 0; i < f.colonna; ++i) {
        margine += i < f.testo.size() && f.testo[i] == '\t' ? '\t' : ' ';
    }
    return margine + "^";
}

// A cut that does not fall inside a UTF-8 character.
std::size_t confine_utf8(std::string_view testo, std::size_t p) {
    while (p > 0 && p < testo.size() && (static_cast<unsigned char>(testo[p]) & 0xC0) == 0x80) --p;
    return p;
}

// Every word longer than the limit keeps its start and its end, and says how long it was.
std::string accorcia_parole(const std::string& testo) {
    if (testo.size() <= parola_massima) return testo;
    std::string breve;
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t fine = std::min(testo.find(' ', i), testo.size());
        const std::string_view parola(testo.data() + i, fine - i);
        if (parola.size() > parola_massima) {
            breve += parola.substr(0, confine_utf8(parola, 40));
            breve += puntini;
            breve += parola.substr(confine_utf8(parola, parola.size() - 12));
            breve += " (" + std::to_string(parola.size()) + " byte)";
        } else {
            breve += parola;
        }
        if (fine < testo.size()) breve += ' ';
        i = fine + 1;
    }
    return breve;
}

}  // namespace

const std::string& nome_file(const reperto& r, const nomi_sorgenti& nomi) {
    static const std::string nessuno;
    switch (r.luogo.file) {
        case sorgente::file_linea:
            return nomi.linea;
        case sorgente::file_treno:
            return nomi.treno;
        case sorgente::nessuna:
            break;
    }
    return nessuno;
}

std::string riga_reperto(const reperto& r, const nomi_sorgenti& nomi) {
    std::string riga = prefisso(r, nomi) + livello(r) + accorcia_parole(r.messaggio);
    if (r.posizione) riga += " (posizione " + std::to_string(*r.posizione) + " m)";
    if (!r.nome.empty() && r.livello == livello_reperto::avviso) riga += " [-W" + r.nome + "]";
    return riga;
}

std::string descrivi_reperto(const reperto& r, const nomi_sorgenti& nomi) {
    std::string testo = riga_reperto(r, nomi) + "\n";
    if (r.luogo.riga > 0) {
        const finestra_riga f = finestra(r.luogo);
        testo += testo_1252_a_utf8(f.testo) + "\n" + sottolinea(f) + "\n";
    }
    return testo;
}

std::string descrivi_reperti(const std::vector<reperto>& reperti, const nomi_sorgenti& nomi) {
    std::string testo;
    for (const reperto& r : reperti) testo += descrivi_reperto(r, nomi);
    return testo;
}
