#include "output/nomi_temporanei.h"

#include <random>

namespace {

constexpr std::string_view prefisso = ".compila_scenario-";
constexpr std::string_view lettere = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t lettere_casuali = 6;

}  // namespace

std::string nome_temporaneo() {
    // One per thread: the trains of one run compile at once.
    thread_local std::mt19937_64 generatore{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> scelta(0, lettere.size() - 1);
    std::string nome(prefisso);
    for (std::size_t i = 0; i < lettere_casuali; ++i) nome += lettere[scelta(generatore)];
    return nome;
}

bool e_nome_temporaneo(std::string_view nome) {
    if (nome.size() != prefisso.size() + lettere_casuali || !nome.starts_with(prefisso)) {
        return false;
    }
    return nome.substr(prefisso.size()).find_first_not_of(lettere) == std::string_view::npos;
}
