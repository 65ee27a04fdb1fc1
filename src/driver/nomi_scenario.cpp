#include "driver/nomi_scenario.h"

#include <algorithm>

#include "platform/percorsi.h"

std::optional<std::string> nome_linea_da_file(std::string_view percorso) {
    constexpr std::string_view finale = "_linea.txt";
    const std::string_view base = nome_in_percorso(percorso);
    if (base.size() <= finale.size() || !base.ends_with(finale)) return std::nullopt;
    return std::string(base.substr(0, base.size() - finale.size()));
}

std::optional<std::string> numero_treno_da_file(std::string_view percorso,
                                                std::string_view nome_linea) {
    constexpr std::string_view finale = "-.txt";
    const std::string_view base = nome_in_percorso(percorso);
    const std::size_t inizio = nome_linea.size() + 1;
    if (base.size() <= inizio + finale.size() || !base.starts_with(nome_linea) ||
        base[nome_linea.size()] != '_' || !base.ends_with(finale)) {
        return std::nullopt;
    }
    return std::string(base.substr(inizio, base.size() - inizio - finale.size()));
}

std::string difetto_del_nome(std::string_view nome) {
    if (nome.empty()) return "è vuoto";
    if (nome == "." || nome == "..") return "'" + std::string(nome) + "' nomina una cartella";
    if (const auto c = std::find_if(nome.begin(), nome.end(), separatore_percorso);
        c != nome.end()) {
        return std::string("contiene '") + *c + "'";
    }
    if (nome.find('\0') != std::string_view::npos) return "contiene un byte NUL";
    for (const char c : nome) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) return "contiene un carattere di controllo";
    }
    return {};
}
