#include "lsp/firma.h"

#include <optional>
#include <string>

#include "lsp/campi_riga.h"
#include "lsp/posizioni_testo.h"
#include "lsp/testi_campi.h"
#include "source_text/codifica_1252.h"

namespace {

nlohmann::json markdown(std::string testo) {
    return {{"kind", "markdown"}, {"value", std::move(testo)}};
}

std::string spiegazione(const descrizione_valore& v) {
    std::string testo = larghezza_e_intervallo(v);
    if (!v.unita.empty()) testo += ", " + std::string(v.unita);
    if (!v.effetto.empty()) testo += "\n\n" + std::string(v.effetto);
    return testo;
}

// "stazione, posizione, tipo, ...", each value's place in UTF-16 units of the label.
nlohmann::json firma_di(const descrizione_parola_chiave& parola) {
    std::string etichetta(parola.parola);
    nlohmann::json parametri = nlohmann::json::array();
    for (const descrizione_valore& v : parola.valori) {
        etichetta += ", ";
        const std::size_t inizio = utf16_da_byte(etichetta, etichetta.size());
        etichetta += v.nome;
        parametri.push_back({{"label", {inizio, utf16_da_byte(etichetta, etichetta.size())}},
                             {"documentation", markdown(spiegazione(v))}});
    }
    return {{"label", etichetta},
            {"documentation", markdown(std::string(parola.descrizione))},
            {"parameters", parametri}};
}

}  // namespace

nlohmann::json firma_a(std::string_view testo, sorgente file, std::size_t riga,
                       std::size_t colonna) {
    const std::string_view linea = riga_di(testo, riga);
    const descrizione_parola_chiave* parola =
        parola_chiave_di(file, utf8_a_1252(primo_campo(linea)));
    if (parola == nullptr) return nullptr;
    const std::optional<std::size_t> valore =
        valore_in_scrittura(linea, byte_da_utf16(linea, colonna), *parola);
    if (!valore) return nullptr;
    return {{"signatures", nlohmann::json::array({firma_di(*parola)})},
            {"activeSignature", 0},
            {"activeParameter", *valore}};
}
