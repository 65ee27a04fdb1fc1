#include "driver/bersagli_uscita.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

fs::path normale(const std::string& percorso) {
    std::error_code ignorato;
    const fs::path assoluto = fs::absolute(percorso, ignorato);
    const fs::path canonico = fs::weakly_canonical(assoluto, ignorato);
    return (canonico.empty() ? assoluto : canonico).lexically_normal();
}

// A path with its normal form, worked out once: each form costs a look-up of every folder
// on the way, and every path is compared with several others.
struct bersaglio {
    const std::string& percorso;
    fs::path forma_normale;

    explicit bersaglio(const std::string& p) : percorso(p), forma_normale(normale(p)) {}
    bool stesso_di(const bersaglio& altro) const {
        std::error_code errore;
        return fs::equivalent(percorso, altro.percorso, errore) ||
               forma_normale == altro.forma_normale;
    }
};

}  // namespace

std::optional<std::string> difetto_dei_bersagli(const std::vector<std::string>& ingressi,
                                                const std::vector<std::string>& uscite) {
    const std::vector<bersaglio> da_leggere(ingressi.begin(), ingressi.end());
    const std::vector<bersaglio> da_scrivere(uscite.begin(), uscite.end());
    for (std::size_t i = 0; i < da_scrivere.size(); ++i) {
        for (const bersaglio& ingresso : da_leggere) {
            if (da_scrivere[i].stesso_di(ingresso)) {
                return "'" + uscite[i] + "' è un file da compilare: non lo sovrascrivo";
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (da_scrivere[i].stesso_di(da_scrivere[j])) {
                return "due file di questa compilazione avrebbero lo stesso nome '" + uscite[i] +
                       "'";
            }
        }
    }
    return std::nullopt;
}
