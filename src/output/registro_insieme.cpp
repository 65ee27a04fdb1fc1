#include "output/registro_insieme.h"

#include <string_view>

namespace {

constexpr std::string_view intestazione = "compila_scenario commit 1\n";
constexpr std::string_view chiusura = "fine\n";

// The next tab- or newline-ended field of `resto`; false when the line ends first.
bool campo(std::string_view& resto, char fine, std::string& valore) {
    const std::size_t p = resto.find(fine);
    if (p == std::string_view::npos) return false;
    valore = std::string(resto.substr(0, p));
    resto.remove_prefix(p + 1);
    return valore.find('\n') == std::string::npos;
}

}  // namespace

std::string componi_registro(const std::vector<voce_insieme>& voci) {
    std::string testo(intestazione);
    for (const voce_insieme& v : voci) {
        testo += v.temporaneo + '\t' + v.riserva + '\t' + v.finale + '\n';
    }
    return testo += chiusura;
}

std::optional<std::vector<voce_insieme>> analizza_registro(const std::string& testo) {
    std::string_view resto(testo);
    if (!resto.starts_with(intestazione) || !resto.ends_with(chiusura)) return std::nullopt;
    resto.remove_prefix(intestazione.size());
    resto.remove_suffix(chiusura.size());
    std::vector<voce_insieme> voci;
    while (!resto.empty()) {
        voce_insieme v;
        if (!campo(resto, '\t', v.temporaneo) || !campo(resto, '\t', v.riserva) ||
            !campo(resto, '\n', v.finale) || v.temporaneo.empty() || v.finale.empty()) {
            return std::nullopt;
        }
        voci.push_back(std::move(v));
    }
    return voci;
}
