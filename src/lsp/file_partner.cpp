#include "lsp/file_partner.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "driver/nomi_scenario.h"
#include "platform/percorsi.h"

namespace {

namespace fs = std::filesystem;

std::string nella_cartella(const std::string& percorso, const std::string& nome) {
    return unisci_percorso(cartella_in_percorso(percorso), nome);
}

// The line a train run file belongs to: the longest line name among the folder's line files
// that its name starts with.
std::optional<std::string> linea_del_treno(const std::string& nome_treno,
                                           const std::vector<std::string>& nomi) {
    std::optional<std::string> migliore;
    for (const std::string& nome : nomi) {
        const std::optional<std::string> linea = nome_linea_da_file(nome);
        if (!linea || !numero_treno_da_file(nome_treno, *linea)) continue;
        if (!migliore || linea->size() > migliore->size()) migliore = linea;
    }
    return migliore;
}

// The line name to look for when a train run file's line file is missing.
std::string linea_supposta(const std::string& nome_treno) {
    const std::size_t trattino = nome_treno.rfind('_');
    if (trattino != std::string::npos && trattino > 0) return nome_treno.substr(0, trattino);
    return nome_treno.substr(0, nome_treno.size() - std::string_view("-.txt").size());
}

partner_file partner_della_linea(const std::string& percorso, const std::string& linea,
                                 const std::vector<std::string>& nomi) {
    partner_file p{sorgente::file_linea, {}, {}};
    std::vector<std::string> treni;
    for (const std::string& nome : nomi) {
        if (linea_del_treno(nome, nomi) == linea) treni.push_back(nome);
    }
    std::sort(treni.begin(), treni.end());
    for (const std::string& treno : treni) {
        p.coppie.push_back({linea, *numero_treno_da_file(treno, linea), percorso,
                            nella_cartella(percorso, treno)});
    }
    if (p.coppie.empty()) {
        p.mancante = linea + "_*-.txt";
        p.coppie.push_back({linea, {}, percorso, {}});
    }
    return p;
}

partner_file partner_del_treno(const std::string& percorso, const std::vector<std::string>& nomi) {
    const std::string nome = fs::path(percorso).filename().string();
    partner_file p{sorgente::file_treno, {}, {}};
    if (const std::optional<std::string> linea = linea_del_treno(nome, nomi)) {
        p.coppie.push_back({*linea, *numero_treno_da_file(nome, *linea),
                            nella_cartella(percorso, *linea + "_linea.txt"), percorso});
        return p;
    }
    const std::string linea = linea_supposta(nome);
    p.mancante = linea + "_linea.txt";
    p.coppie.push_back({linea, numero_treno_da_file(nome, linea).value_or(""), {}, percorso});
    return p;
}

}  // namespace

sorgente genere_da_nome(const std::string& percorso) {
    const std::string nome = fs::path(percorso).filename().string();
    if (nome_linea_da_file(nome)) return sorgente::file_linea;
    if (nome.size() > std::string_view("-.txt").size() && nome.ends_with("-.txt"))
        return sorgente::file_treno;
    return sorgente::nessuna;
}

partner_file trova_partner(const std::string& percorso,
                           const std::vector<std::string>& nomi_nella_cartella) {
    switch (genere_da_nome(percorso)) {
        case sorgente::file_linea:
            return partner_della_linea(percorso,
                                       *nome_linea_da_file(fs::path(percorso).filename().string()),
                                       nomi_nella_cartella);
        case sorgente::file_treno:
            return partner_del_treno(percorso, nomi_nella_cartella);
        case sorgente::nessuna:
            break;
    }
    return {};
}
