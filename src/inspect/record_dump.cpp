#include "inspect/record_dump.h"

#include <charconv>
#include <cmath>

#include "inspect/testo_escape.h"

record_dump& record_dump::aggiungi(const char* nome, std::string testo, std::string json) {
    campi_.push_back({nome, std::move(testo), std::move(json)});
    return *this;
}

record_dump& record_dump::intero(const char* nome, std::int64_t v) {
    const std::string s = std::to_string(v);
    return aggiungi(nome, s, s);
}

record_dump& record_dump::reale(const char* nome, double v) {
    // JSON has no literal for these; a string keeps them readable.
    if (std::isnan(v)) return aggiungi(nome, "NaN", "\"NaN\"");
    if (std::isinf(v)) {
        const std::string s = v > 0 ? "Infinity" : "-Infinity";
        return aggiungi(nome, s, "\"" + s + "\"");
    }
    char buffer[32];
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    const std::string s(buffer, fine);
    return aggiungi(nome, s, s);
}

record_dump& record_dump::testo(const char* nome, std::string_view v) {
    const std::string s = stringa_json(v);
    return aggiungi(nome, s, s);
}

record_dump& record_dump::parola(const char* nome, std::string_view v) {
    return aggiungi(nome, std::string(v), stringa_json(v));
}

record_dump& record_dump::nullo(const char* nome) {
    return aggiungi(nome, "-", "null");
}

std::string record_dump::come_testo() const {
    std::string uscita;
    for (const campo& c : campi_) {
        if (!uscita.empty()) uscita.push_back(' ');
        uscita += c.nome + "=" + c.testo;
    }
    return uscita;
}

std::string record_dump::come_json() const {
    std::string uscita = "{";
    for (const campo& c : campi_) {
        if (uscita.size() > 1) uscita.push_back(',');
        uscita += stringa_json(c.nome) + ":" + c.json;
    }
    return uscita + "}";
}
