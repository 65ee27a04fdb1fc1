#include "lsp/diagnostiche.h"

#include <cstddef>
#include <string>

#include "lsp/posizioni_testo.h"

namespace {

int gravita(livello_reperto livello) {
    switch (livello) {
        case livello_reperto::errore:
            return 1;
        case livello_reperto::avviso:
            return 2;
        case livello_reperto::nota:
            break;
    }
    return 3;
}

// The byte where the field that starts at `inizio` ends, trailing blanks left out: a number
// ends at a blank too, as the field reader ends it.
std::size_t fine_campo(std::string_view riga, std::size_t inizio) {
    const bool numero =
        inizio < riga.size() &&
        std::string_view("+-0123456789").find(riga[inizio]) != std::string_view::npos;
    std::size_t fine = std::min(riga.find_first_of(numero ? ", \t" : ",", inizio), riga.size());
    while (fine > inizio && (riga[fine - 1] == ' ' || riga[fine - 1] == '\t')) --fine;
    return fine;
}

nlohmann::json posizione(std::size_t riga, std::size_t colonna) {
    return {{"line", riga}, {"character", colonna}};
}

nlohmann::json intervallo_di(const reperto& r, std::string_view testo) {
    const std::size_t riga = r.luogo.riga > 0 ? static_cast<std::size_t>(r.luogo.riga - 1) : 0;
    const std::string_view linea = riga_di(testo, riga);
    if (r.luogo.colonna <= 0)
        return {{"start", posizione(riga, 0)},
                {"end", posizione(riga, utf16_da_byte(linea, linea.size()))}};
    const std::size_t inizio = utf16_da_colonna_1252(linea, r.luogo.colonna);
    const std::size_t fine = utf16_da_byte(linea, fine_campo(linea, byte_da_utf16(linea, inizio)));
    return {{"start", posizione(riga, inizio)}, {"end", posizione(riga, std::max(fine, inizio))}};
}

// As the compiler prints it after the file, line and column.
std::string messaggio_di(const reperto& r) {
    if (!r.posizione) return r.messaggio;
    return r.messaggio + " (posizione " + std::to_string(*r.posizione) + " m)";
}

}  // namespace

nlohmann::json diagnostica_lsp(const reperto& r, std::string_view testo) {
    nlohmann::json d = {{"range", intervallo_di(r, testo)},
                        {"severity", gravita(r.livello)},
                        {"source", "compila_scenario"},
                        {"message", messaggio_di(r)}};
    if (!r.nome.empty()) {
        d["code"] = r.nome;
    } else if (r.numero != 0) {
        d["code"] = r.numero;
    }
    return d;
}
