#include "lsp/compila_partner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "compilazione/compila_testi.h"
#include "output/destinazione_scarto.h"
#include "source_text/codifica_1252.h"

namespace {

struct testo_file {
    std::string utf8;                 // as the editor shows it
    std::optional<std::string> byte;  // as the compiler reads it; none when there is no file
};

std::optional<std::string> leggi_dal_disco(const std::string& percorso) {
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) return std::nullopt;
    std::ifstream file(percorso, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

testo_file testo_di(const std::string& percorso, const buffer_aperti& buffer) {
    if (percorso.empty()) return {};
    if (const buffer_aperto* aperto = buffer.per_percorso(percorso))
        return {aperto->testo, utf8_a_1252(aperto->testo)};
    std::optional<std::string> byte = leggi_dal_disco(percorso);
    if (!byte) return {};
    return {come_utf8(*byte), std::move(byte)};
}

testo_sorgente sorgente_di(const std::string& percorso, const testo_file& testo) {
    const std::string nome = std::filesystem::path(percorso).filename().string();
    return {nome, testo.byte, testo.byte ? "" : "il file " + nome + " non si legge"};
}

reperti_del_file& voce_di(std::vector<reperti_del_file>& voci, const std::string& percorso,
                          const buffer_aperti& buffer) {
    const auto trovata = std::find_if(voci.begin(), voci.end(),
                                      [&](const auto& v) { return v.percorso == percorso; });
    if (trovata != voci.end()) return *trovata;
    voci.push_back({percorso, testo_di(percorso, buffer).utf8, {}});
    return voci.back();
}

void aggiungi_senza_doppioni(std::vector<reperto>& reperti, const reperto& r) {
    if (std::find(reperti.begin(), reperti.end(), r) == reperti.end()) reperti.push_back(r);
}

reperto partner_mancante(const std::string& mancante) {
    reperto r;
    r.livello = livello_reperto::avviso;
    r.nome = "file-mancante";
    r.messaggio = "manca il file " + mancante +
                  " nella stessa cartella: senza di esso la "
                  "coppia non si compila e se ne controlla solo questo file";
    return r;
}

std::vector<reperto> reperti_della_coppia(const coppia_scenario& coppia,
                                          const buffer_aperti& buffer) {
    const testo_file linea = testo_di(coppia.percorso_linea, buffer);
    const testo_file treno = testo_di(coppia.percorso_treno, buffer);
    const sorgenti_compilazione sorgenti{sorgente_di(coppia.percorso_linea, linea),
                                         sorgente_di(coppia.percorso_treno, treno)};
    opzioni_compilazione opzioni;
    opzioni.nome_linea = utf8_a_1252(coppia.nome_linea);
    opzioni.numero_treno = utf8_a_1252(coppia.numero_treno);
    // An open buffer is converted to Windows-1252 above, and its columns are counted so: the
    // texts are read byte for byte.
    opzioni.codifica = codifica_sorgente::cp1252;
    // The editor needs the findings alone: the compiled files are dropped as they are written.
    destinazione_scarto scarto;
    return compila_testi(sorgenti, opzioni, scarto).reperti;
}

const std::string& percorso_del_reperto(const reperto& r, const coppia_scenario& coppia,
                                        const std::string& percorso_modificato) {
    switch (r.luogo.file) {
        case sorgente::file_linea:
            return coppia.percorso_linea;
        case sorgente::file_treno:
            return coppia.percorso_treno;
        case sorgente::nessuna:
            break;
    }
    return percorso_modificato;
}

}  // namespace

std::vector<reperti_del_file> compila_partner(const partner_file& partner,
                                              const std::string& percorso_modificato,
                                              const buffer_aperti& buffer) {
    std::vector<reperti_del_file> voci;
    voce_di(voci, percorso_modificato, buffer);
    const bool manca_partner = !partner.mancante.empty();
    for (const coppia_scenario& coppia : partner.coppie) {
        for (const std::string* p : {&coppia.percorso_linea, &coppia.percorso_treno}) {
            if (!p->empty()) voce_di(voci, *p, buffer);
        }
        for (const reperto& r : reperti_della_coppia(coppia, buffer)) {
            // Without its partner the compilation's own complaints about it say nothing new.
            if (manca_partner && r.luogo.file == sorgente::nessuna) continue;
            const std::string& percorso = percorso_del_reperto(r, coppia, percorso_modificato);
            if (percorso.empty()) continue;
            aggiungi_senza_doppioni(voce_di(voci, percorso, buffer).reperti, r);
        }
    }
    if (manca_partner) {
        std::vector<reperto>& propri = voci.front().reperti;
        propri.insert(propri.begin(), partner_mancante(partner.mancante));
    }
    return voci;
}
