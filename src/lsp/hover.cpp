#include "lsp/hover.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lsp/campi_riga.h"
#include "lsp/posizioni_testo.h"
#include "lsp/testi_campi.h"
#include "source_text/codifica_1252.h"

namespace {

std::optional<std::int64_t> numero_in(std::string_view campo) {
    if (!campo.empty() && campo.front() == '+') campo.remove_prefix(1);
    std::int64_t n = 0;
    const auto [fine, errore] = std::from_chars(campo.data(), campo.data() + campo.size(), n);
    if (errore != std::errc{} || fine != campo.data() + campo.size()) return std::nullopt;
    return n;
}

// The line's numbers in line order, up to the first value that is none.
std::vector<std::int64_t> numeri_della_riga(std::string_view linea, const campi_riga& campi) {
    std::vector<std::int64_t> numeri;
    for (const campo_riga& c : campi.valori) {
        const std::optional<std::int64_t> n = numero_in(linea.substr(c.inizio, c.fine - c.inizio));
        if (!n) break;
        numeri.push_back(*n);
    }
    return numeri;
}

std::string sulla_parola(const descrizione_parola_chiave& parola) {
    std::string testo = "**" + std::string(parola.parola) + "** (" + nome_del_file(parola.file);
    if (!parola.sezione.empty()) testo += ", section `" + std::string(parola.sezione) + "`";
    testo += ", " + std::to_string(parola.valori.size()) + " values)\n\n" +
             std::string(parola.descrizione);
    if (!parola.esempio.empty()) testo += "\n\nExample: `" + std::string(parola.esempio) + "`";
    return testo;
}

std::string sul_valore(const descrizione_parola_chiave& parola, std::size_t k,
                       std::span<const std::int64_t> numeri) {
    const std::string capo = "**" + std::string(parola.parola) + "**, value " +
                             std::to_string(k + 1) + " of " + std::to_string(parola.valori.size());
    if (k >= parola.valori.size()) {
        return capo + ": one value too many. The line reads " +
               std::to_string(parola.valori.size()) +
               "; the reader takes this field for the keyword of another line.";
    }
    const descrizione_valore& v = parola.valori[k];
    std::string testo =
        capo + ": **" + std::string(v.nome) + "**\n\n- " + larghezza_e_intervallo(v);
    if (!v.unita.empty()) testo += ", " + std::string(v.unita);
    const std::string memorizzato = valore_memorizzato(parola, k, numeri);
    if (!memorizzato.empty()) testo += "\n- stored: " + memorizzato;
    if (!v.effetto.empty()) testo += "\n\n" + std::string(v.effetto);
    if (!v.fuori_campo.empty()) {
        testo += v.larghezza == larghezza_valore::testo ? "\n\nNote: " : "\n\nOut of range: ";
        testo += v.fuori_campo;
    }
    return testo;
}

nlohmann::json intervallo(std::size_t riga, std::string_view linea, const campo_riga& campo) {
    return {{"start", {{"line", riga}, {"character", utf16_da_byte(linea, campo.inizio)}}},
            {"end", {{"line", riga}, {"character", utf16_da_byte(linea, campo.fine)}}}};
}

}  // namespace

nlohmann::json hover_a(std::string_view testo, sorgente file, std::size_t riga,
                       std::size_t colonna) {
    const std::string_view linea = riga_di(testo, riga);
    const descrizione_parola_chiave* parola =
        parola_chiave_di(file, utf8_a_1252(primo_campo(linea)));
    if (parola == nullptr) return nullptr;
    const campi_riga campi = taglia_riga(linea, *parola);
    const campo_al_cursore dove = campo_sotto(campi, byte_da_utf16(linea, colonna));
    if (!dove.sulla_parola && !dove.valore) return nullptr;
    const campo_riga& campo = dove.valore ? campi.valori[*dove.valore] : campi.parola;
    const std::string valore =
        dove.valore ? sul_valore(*parola, *dove.valore, numeri_della_riga(linea, campi))
                    : sulla_parola(*parola);
    return {{"contents", {{"kind", "markdown"}, {"value", valore}}},
            {"range", intervallo(riga, linea, campo)}};
}
