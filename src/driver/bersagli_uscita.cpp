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

}  // namespace

bool stesso_file(const std::string& a, const std::string& b) {
    std::error_code errore;
    if (fs::equivalent(a, b, errore)) return true;
    return normale(a) == normale(b);
}

std::optional<std::string> difetto_dei_bersagli(const std::vector<std::string>& ingressi,
                                                const std::vector<std::string>& uscite) {
    for (std::size_t i = 0; i < uscite.size(); ++i) {
        for (const std::string& ingresso : ingressi) {
            if (stesso_file(uscite[i], ingresso)) {
                return "'" + uscite[i] + "' è un file da compilare: non lo sovrascrivo";
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (stesso_file(uscite[i], uscite[j])) {
                return "due file di questa compilazione avrebbero lo stesso nome '" + uscite[i] +
                       "'";
            }
        }
    }
    return std::nullopt;
}
