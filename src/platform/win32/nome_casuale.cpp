#include "platform/win32/nome_casuale.h"

#include <random>

std::string suffisso_unico() {
    static std::mt19937_64 generatore{std::random_device{}()};
    static constexpr char cifre[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> scelta(0, sizeof cifre - 2);
    std::string suffisso;
    for (int i = 0; i < 6; ++i) suffisso += cifre[scelta(generatore)];
    return suffisso;
}
