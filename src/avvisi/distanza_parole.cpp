#include "avvisi/distanza_parole.h"

#include <algorithm>
#include <array>
#include <vector>

#include "source_text/lettore_campi.h"

std::size_t distanza_parole(std::string_view a, std::string_view b, std::size_t limite) {
    const std::size_t oltre = limite + 1;
    if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limite) return oltre;
    // Two rows of the table; on the stack for any word of keyword size, as it is called for
    // every keyword on every unknown line.
    constexpr std::size_t corta = 64;
    std::array<std::size_t, 2 * corta> righe_fisse;
    std::vector<std::size_t> righe_lunghe;
    std::size_t* prima = righe_fisse.data();
    if (b.size() >= corta) {
        righe_lunghe.resize(2 * (b.size() + 1));
        prima = righe_lunghe.data();
    }
    std::size_t* ora = prima + std::max(corta, b.size() + 1);
    // Only the cells within `limite` of the diagonal can stay within it; the others count
    // as past the limit, so each row costs a few cells whatever the words' length.
    for (std::size_t j = 0; j <= b.size(); ++j) prima[j] = std::min(j, oltre);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        const std::size_t da = i > limite ? i - limite : 0;
        const std::size_t a_j = std::min(b.size(), i + limite);
        std::size_t minimo_riga = oltre;
        if (da == 0) {
            ora[0] = i;
            minimo_riga = i;
        } else {
            ora[da - 1] = oltre;
        }
        for (std::size_t j = std::max<std::size_t>(da, 1); j <= a_j; ++j) {
            const std::size_t cambio =
                minuscola_ascii(a[i - 1]) == minuscola_ascii(b[j - 1]) ? 0 : 1;
            ora[j] = std::min(std::min(prima[j], ora[j - 1]) + 1,
                              std::min(prima[j - 1] + cambio, oltre));
            minimo_riga = std::min(minimo_riga, ora[j]);
        }
        if (a_j < b.size()) ora[a_j + 1] = oltre;
        if (minimo_riga > limite) return oltre;
        std::swap(prima, ora);
    }
    return std::min(prima[b.size()], oltre);
}
