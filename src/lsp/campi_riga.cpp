#include "lsp/campi_riga.h"

namespace {

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

std::size_t salta_spazi(std::string_view riga, std::size_t i) {
    while (i < riga.size() && spazio(riga[i])) ++i;
    return i;
}

std::size_t senza_spazi_finali(std::string_view riga, std::size_t inizio, std::size_t fine) {
    while (fine > inizio && spazio(riga[fine - 1])) --fine;
    return fine;
}

// A text field: to the next comma, which it consumes. Returns where the next field may start.
std::size_t leggi_testo(std::string_view riga, std::size_t i, campo_riga& campo) {
    campo.inizio = i;
    const std::size_t virgola = riga.find(',', i);
    const std::size_t fine = virgola == std::string_view::npos ? riga.size() : virgola;
    campo.fine = senza_spazi_finali(riga, i, fine);
    campo.chiuso = virgola != std::string_view::npos;
    return campo.chiuso ? virgola + 1 : fine;
}

// A number field: to the next comma or blank; blanks and one comma after it are consumed.
std::size_t leggi_numero(std::string_view riga, std::size_t i, campo_riga& campo) {
    campo.inizio = i;
    while (i < riga.size() && riga[i] != ',' && !spazio(riga[i])) ++i;
    campo.fine = i;
    campo.chiuso = i < riga.size();
    i = salta_spazi(riga, i);
    return i < riga.size() && riga[i] == ',' ? i + 1 : i;
}

bool e_numero(const descrizione_parola_chiave& parola, std::size_t indice) {
    return indice < parola.valori.size() &&
           parola.valori[indice].larghezza != larghezza_valore::testo;
}

}  // namespace

std::string_view primo_campo(std::string_view riga) {
    campo_riga campo;
    leggi_testo(riga, salta_spazi(riga, 0), campo);
    return riga.substr(campo.inizio, campo.fine - campo.inizio);
}

campi_riga taglia_riga(std::string_view riga, const descrizione_parola_chiave& parola) {
    campi_riga campi;
    std::size_t i = leggi_testo(riga, salta_spazi(riga, 0), campi.parola);
    bool aperto = campi.parola.chiuso;
    while (aperto) {
        i = salta_spazi(riga, i);
        if (i == riga.size()) break;
        campo_riga campo;
        i = e_numero(parola, campi.valori.size()) ? leggi_numero(riga, i, campo)
                                                  : leggi_testo(riga, i, campo);
        campi.valori.push_back(campo);
        aperto = campo.chiuso;
    }
    return campi;
}

campo_al_cursore campo_sotto(const campi_riga& campi, std::size_t cursore) {
    const auto contiene = [&](const campo_riga& c) {
        return c.inizio <= cursore && cursore <= c.fine && c.fine > c.inizio;
    };
    if (contiene(campi.parola)) return {true, std::nullopt};
    for (std::size_t k = 0; k < campi.valori.size(); ++k) {
        if (contiene(campi.valori[k])) return {false, k};
    }
    return {};
}

std::optional<std::size_t> valore_in_scrittura(std::string_view riga, std::size_t cursore,
                                               const descrizione_parola_chiave& parola) {
    const campi_riga campi = taglia_riga(riga.substr(0, cursore), parola);
    if (!campi.parola.chiuso) return std::nullopt;
    if (campi.valori.empty()) return 0;
    return campi.valori.back().chiuso ? campi.valori.size() : campi.valori.size() - 1;
}
