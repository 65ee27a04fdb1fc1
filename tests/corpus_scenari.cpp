#include "corpus_scenari.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "scenario_prova.h"
#include "source_text/scenario_incorporato.h"

namespace {

using righe = std::vector<std::string>;

// Raw draws only: the library's distributions may differ between standard libraries.
class estrazioni {
  public:
    explicit estrazioni(std::uint32_t seme) : motore_(seme) {}
    std::size_t fino_a(std::size_t n) { return n == 0 ? 0 : motore_() % n; }

  private:
    std::mt19937 motore_;
};

constexpr std::array<const char*, 26> valori_limite = {
    "0",    "-1",    "1",     "25",    "49",      "50",      "51",    "75",   "100",
    "150",  "155",   "156",   "-100",  "-101",    "255",     "256",   "600",  "1000",
    "1250", "32767", "32768", "65535", "1000000", "1000001", "-2000", "99999"};

std::string numero_a_caso(estrazioni& e) {
    if (e.fino_a(2) == 0) return valori_limite[e.fino_a(valori_limite.size())];
    return std::to_string(static_cast<std::int64_t>(e.fino_a(40000)) - 1000);
}

std::vector<std::string> campi_di(const std::string& riga) {
    std::vector<std::string> campi(1);
    for (char c : riga) {
        if (c == ',') {
            campi.emplace_back();
        } else {
            campi.back() += c;
        }
    }
    return campi;
}

std::string unisci(const std::vector<std::string>& campi) {
    std::string riga;
    for (std::size_t i = 0; i < campi.size(); ++i) riga += (i ? "," : "") + campi[i];
    return riga;
}

void muta(righe& testo, estrazioni& e) {
    if (testo.size() < 3) return;
    const std::size_t i = 1 + e.fino_a(testo.size() - 1);
    std::vector<std::string> campi = campi_di(testo[i]);
    switch (e.fino_a(7)) {
        case 0:
        case 1:
        case 2:
            if (campi.size() > 1) campi[1 + e.fino_a(campi.size() - 1)] = " " + numero_a_caso(e);
            testo[i] = unisci(campi);
            break;
        case 3:
            testo.erase(testo.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        case 4:
            testo.insert(testo.begin() + static_cast<std::ptrdiff_t>(i), testo[i]);
            break;
        case 5:
            if (i + 1 < testo.size()) std::swap(testo[i], testo[i + 1]);
            break;
        default:
            if (campi.size() > 2 && e.fino_a(2) == 0) {
                campi.pop_back();
            } else {
                campi.push_back(" " + numero_a_caso(e));
            }
            testo[i] = unisci(campi);
            break;
    }
}

std::string crlf(const righe& testo) {
    std::string bytes;
    for (const std::string& r : testo) bytes += r + "\r\n";
    return bytes;
}

}  // namespace

std::vector<caso_corpus> corpus_scenari(std::size_t quanti) {
    std::vector<caso_corpus> casi;
    for (std::size_t n = 0; n < quanti; ++n) {
        estrazioni e(static_cast<std::uint32_t>(7919 * n + 17));
        const bool incorporato = n % 2 == 0;
        righe linea = incorporato ? righe_file_linea() : prova::righe_linea();
        righe treno = incorporato ? righe_file_treno() : prova::righe_treno();
        const std::size_t mutazioni = n == 0 || n == 1 ? 0 : 1 + e.fino_a(3);
        for (std::size_t m = 0; m < mutazioni; ++m) muta(e.fino_a(2) == 0 ? linea : treno, e);
        caso_corpus c;
        c.nome = "caso_" + std::to_string(n);
        c.linea = crlf(linea);
        c.treno = crlf(treno);
        c.flag_j = n % 5 == 4 ? 0 : 1;
        casi.push_back(std::move(c));
    }
    return casi;
}
