#include "inspect/record_dump.h"

#include <charconv>
#include <cmath>

#include "inspect/testo_escape.h"

record_dump& record_dump::aggiungi(std::string_view nome, std::string testo,
                                   nlohmann::ordered_json json) {
    campi_.push_back({std::string(nome), std::move(testo), std::move(json)});
    return *this;
}

record_dump& record_dump::intero(std::string_view nome, std::int64_t v) {
    return aggiungi(nome, std::to_string(v), v);
}

record_dump& record_dump::reale(std::string_view nome, double v) {
    // JSON has no literal for these; a string keeps them readable.
    if (std::isnan(v)) return aggiungi(nome, "NaN", "NaN");
    if (std::isinf(v)) {
        const std::string s = v > 0 ? "Infinity" : "-Infinity";
        return aggiungi(nome, s, s);
    }
    char buffer[32];
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return aggiungi(nome, std::string(buffer, fine), v);
}

record_dump& record_dump::testo(std::string_view nome, std::string_view v) {
    return aggiungi(nome, stringa_json(v), std::string(v));
}

record_dump& record_dump::parola(std::string_view nome, std::string_view v) {
    return aggiungi(nome, std::string(v), std::string(v));
}

record_dump& record_dump::nullo(std::string_view nome) {
    return aggiungi(nome, "-", nullptr);
}

record_dump& record_dump::solo_testo(std::string_view nome, std::string testo) {
    aggiungi(nome, std::move(testo), nullptr);
    campi_.back().in_json = false;
    return *this;
}

record_dump& record_dump::solo_json(std::string_view nome, nlohmann::ordered_json v) {
    return aggiungi(nome, "", std::move(v));
}

std::string record_dump::come_testo() const {
    std::string uscita;
    for (const campo& c : campi_) {
        if (c.testo.empty()) continue;
        if (!uscita.empty()) uscita.push_back(' ');
        uscita += c.nome.empty() ? c.testo : c.nome + "=" + c.testo;
    }
    return uscita;
}

nlohmann::ordered_json record_dump::come_json() const {
    nlohmann::ordered_json oggetto = nlohmann::ordered_json::object();
    for (const campo& c : campi_) {
        if (c.in_json) oggetto[c.nome] = c.json;
    }
    return oggetto;
}
