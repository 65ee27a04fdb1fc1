#include "compilazione/formato_reperti.h"

#include "source_text/codifica_1252.h"

namespace {

std::string prefisso(const reperto& r, const nomi_sorgenti& nomi) {
    if (r.luogo.file == sorgente::nessuna) return "compila_scenario: ";
    // Appended piece by piece: "literal" + std::string trips a false -Wrestrict in g++ 12.
    std::string p = nome_file(r, nomi);
    if (r.luogo.riga > 0) {
        p += ':';
        p += std::to_string(r.luogo.riga);
    }
    if (r.luogo.riga > 0 && r.luogo.colonna > 0) {
        p += ':';
        p += std::to_string(r.luogo.colonna);
    }
    p += ": ";
    return p;
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

// Blanks up to the column, keeping tabs so that the caret lines up under the field.
std::string sottolinea(const luogo_sorgente& luogo) {
    std::string margine;
    for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(luogo.colonna); ++i) {
        margine += i < luogo.testo_riga.size() && luogo.testo_riga[i] == '\t' ? '\t' : ' ';
    }
    return margine + "^";
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
    std::string riga = prefisso(r, nomi) + livello(r) + r.messaggio;
    if (r.posizione) riga += " (posizione " + std::to_string(*r.posizione) + " m)";
    if (!r.nome.empty() && r.livello == livello_reperto::avviso) riga += " [-W" + r.nome + "]";
    return riga;
}

std::string descrivi_reperto(const reperto& r, const nomi_sorgenti& nomi) {
    std::string testo = riga_reperto(r, nomi) + "\n";
    if (r.luogo.riga > 0) {
        testo += testo_1252_a_utf8(r.luogo.testo_riga) + "\n" + sottolinea(r.luogo) + "\n";
    }
    return testo;
}

std::string descrivi_reperti(const std::vector<reperto>& reperti, const nomi_sorgenti& nomi) {
    std::string testo;
    for (const reperto& r : reperti) testo += descrivi_reperto(r, nomi);
    return testo;
}
