#include "lsp/completamento.h"

#include <algorithm>
#include <string>
#include <vector>

#include "lsp/campi_riga.h"
#include "lsp/posizioni_testo.h"
#include "lsp/testi_campi.h"

namespace {

constexpr int tipo_parola_chiave = 14;
constexpr int tipo_modulo = 9;
constexpr int formato_snippet = 2;

std::string senza_segni_snippet(std::string_view testo) {
    std::string uscita;
    for (const char c : testo) {
        if (c == '$' || c == '}' || c == '\\') uscita += '\\';
        uscita += c;
    }
    return uscita;
}

// The example line with each value a placeholder holding the example's value.
std::string snippet_di(const descrizione_parola_chiave& parola) {
    const std::string_view esempio = parola.esempio;
    if (esempio.empty()) return senza_segni_snippet(parola.parola);
    const campi_riga campi = taglia_riga(esempio, parola);
    std::string snippet;
    std::size_t copiato = 0;
    for (std::size_t k = 0; k < campi.valori.size(); ++k) {
        const campo_riga& c = campi.valori[k];
        snippet += senza_segni_snippet(esempio.substr(copiato, c.inizio - copiato));
        snippet += "${" + std::to_string(k + 1) + ":" +
                   senza_segni_snippet(esempio.substr(c.inizio, c.fine - c.inizio)) + "}";
        copiato = c.fine;
    }
    return snippet + senza_segni_snippet(esempio.substr(copiato)) + "$0";
}

// "[generale]", the headers of the keywords' sections in their order, "[fine]".
std::vector<std::string> intestazioni(sorgente file) {
    std::vector<std::string> nomi{"[generale]"};
    for (const descrizione_parola_chiave& parola : parole_chiave(file)) {
        const std::string sezione(parola.sezione);
        if (!sezione.empty() && std::find(nomi.begin(), nomi.end(), sezione) == nomi.end())
            nomi.push_back(sezione);
    }
    nomi.push_back("[fine]");
    return nomi;
}

nlohmann::json modifica(std::size_t riga, std::size_t da, std::size_t a, std::string testo) {
    return {{"range",
             {{"start", {{"line", riga}, {"character", da}}},
              {"end", {{"line", riga}, {"character", a}}}}},
            {"newText", std::move(testo)}};
}

}  // namespace

nlohmann::json completamento_a(std::string_view testo, sorgente file, std::size_t riga,
                               std::size_t colonna) {
    const std::string_view linea = riga_di(testo, riga);
    const std::size_t cursore = byte_da_utf16(linea, colonna);
    const std::string_view prima = linea.substr(0, cursore);
    nlohmann::json voci = nlohmann::json::array();
    if (prima.find(',') != std::string_view::npos) return voci;
    // What has been typed of the first field is replaced; the blanks before it stay.
    const std::size_t scritto = std::min(prima.find_first_not_of(" \t"), cursore);
    const std::size_t inizio = utf16_da_byte(linea, scritto);
    const std::size_t fine = utf16_da_byte(linea, cursore);
    for (const descrizione_parola_chiave& parola : parole_chiave(file)) {
        voci.push_back({{"label", parola.parola},
                        {"kind", tipo_parola_chiave},
                        {"detail", nome_del_file(file)},
                        {"documentation", {{"kind", "markdown"}, {"value", parola.descrizione}}},
                        {"insertTextFormat", formato_snippet},
                        {"filterText", parola.parola},
                        {"textEdit", modifica(riga, inizio, fine, snippet_di(parola))}});
    }
    for (const std::string& nome : intestazioni(file)) {
        voci.push_back({{"label", nome},
                        {"kind", tipo_modulo},
                        {"detail", "section header"},
                        {"filterText", nome},
                        {"textEdit", modifica(riga, inizio, fine, nome)}});
    }
    return voci;
}
