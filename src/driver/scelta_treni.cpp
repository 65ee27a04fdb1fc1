#include "driver/scelta_treni.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "driver/nomi_scenario.h"
#include "platform/percorsi.h"
#include "platform/percorso_fs.h"

namespace {

std::optional<std::string> verifica_nomi(const linea_con_treni& l) {
    if (const std::string d = difetto_del_nome(l.nome); !d.empty()) {
        return "nome di linea non valido: " + d;
    }
    std::set<std::string> numeri;
    for (const treno_da_compilare& t : l.treni) {
        if (const std::string d = difetto_del_nome(t.numero); !d.empty()) {
            return "numero di treno non valido in " + t.file + ": " + d;
        }
        if (!numeri.insert(t.numero).second) {
            return "due file di marcia danno il treno " + t.numero + " della linea " + l.nome;
        }
    }
    return std::nullopt;
}

// The regular files of a folder, by name.
std::vector<std::string> file_ordinari(const std::string& cartella) {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(percorso_fs(cartella))) {
        std::error_code errore;
        if (voce.is_regular_file(errore)) nomi.push_back(testo_percorso(voce.path().filename()));
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

// The line a run file belongs to: the longest line name its name begins with.
linea_con_treni* linea_del_treno(std::vector<linea_con_treni>& linee, const std::string& nome,
                                 std::string& numero) {
    linea_con_treni* scelta = nullptr;
    for (linea_con_treni& l : linee) {
        const auto n = numero_treno_da_file(nome, l.nome);
        if (n && (scelta == nullptr || l.nome.size() > scelta->nome.size())) {
            scelta = &l;
            numero = *n;
        }
    }
    return scelta;
}

}  // namespace

std::optional<std::string> treni_da_file(const std::string& file_linea,
                                         const std::string& nome_linea,
                                         const std::vector<std::string>& file_treni,
                                         std::vector<linea_con_treni>& linee) {
    linea_con_treni l{file_linea, nome_linea, {}};
    for (const std::string& f : file_treni) {
        const auto numero = numero_treno_da_file(f, nome_linea);
        if (!numero) {
            return "il nome di " + f + " non è \"" + nome_linea +
                   "_NUMERO-.txt\": con più treni il numero viene dal nome del file";
        }
        l.treni.push_back({f, *numero});
    }
    if (auto errore = verifica_nomi(l)) return errore;
    linee = {std::move(l)};
    return std::nullopt;
}

std::optional<std::string> treni_in_cartella(const std::string& cartella,
                                             std::vector<linea_con_treni>& linee) {
    std::vector<std::string> nomi;
    try {
        nomi = file_ordinari(cartella);
    } catch (const std::filesystem::filesystem_error& e) {
        return "impossibile leggere la cartella " + cartella + ": " + e.code().message();
    }
    std::vector<linea_con_treni> trovate;
    for (const std::string& n : nomi) {
        if (auto nome = nome_linea_da_file(n)) {
            trovate.push_back({unisci_percorso(cartella, n), *nome, {}});
        }
    }
    for (const std::string& n : nomi) {
        std::string numero;
        if (linea_con_treni* l = linea_del_treno(trovate, n, numero)) {
            l->treni.push_back({unisci_percorso(cartella, n), numero});
        }
    }
    std::erase_if(trovate, [](const linea_con_treni& l) { return l.treni.empty(); });
    if (trovate.empty()) {
        return "nessuna linea con treni in " + cartella +
               ": la cartella non ha file NOME_linea.txt con i loro NOME_NUMERO-.txt";
    }
    for (const linea_con_treni& l : trovate) {
        if (auto errore = verifica_nomi(l)) return errore;
    }
    linee = std::move(trovate);
    return std::nullopt;
}

bool e_cartella(const std::string& percorso) {
    std::error_code errore;
    return std::filesystem::is_directory(percorso_fs(percorso), errore);
}
