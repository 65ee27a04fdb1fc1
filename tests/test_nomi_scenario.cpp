#include <gtest/gtest.h>

#include "driver/nomi_scenario.h"

TEST(NomiScenario, LineNameFromTheLineFile) {
    const struct {
        const char* percorso;
        std::optional<std::string> nome;
    } casi[] = {
        {"Zarv_linea.txt", "Zarv"},   {"/a/b/Val di Susa_linea.txt", "Val di Susa"},
        {"_linea.txt", std::nullopt}, {"Zarv_linea.TXT", std::nullopt},
        {"linea.txt", std::nullopt},  {"Zarv_linea.txt/", std::nullopt},
    };
    for (const auto& c : casi) EXPECT_EQ(nome_linea_da_file(c.percorso), c.nome) << c.percorso;
}

TEST(NomiScenario, TrainNumberFromTheRunFile) {
    const struct {
        const char* percorso;
        const char* linea;
        std::optional<std::string> numero;
    } casi[] = {
        {"Zarv_9402-.txt", "Zarv", "9402"},       {"dir/Zarv_R 12-.txt", "Zarv", "R 12"},
        {"Zarv_a_b-.txt", "Zarv", "a_b"},         {"Zarv_-.txt", "Zarv", std::nullopt},
        {"Zarv_9402.txt", "Zarv", std::nullopt},  {"Altra_9402-.txt", "Zarv", std::nullopt},
        {"Zarvx9402-.txt", "Zarv", std::nullopt},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(numero_treno_da_file(c.percorso, c.linea), c.numero) << c.percorso;
    }
}

TEST(NomiScenario, NamesThatCannotNameAFile) {
    EXPECT_EQ(difetto_del_nome("Zarv 1"), "");
    EXPECT_EQ(difetto_del_nome("a/b"), "contiene '/'");
    EXPECT_EQ(difetto_del_nome(std::string_view("a\0b", 3)), "contiene un byte NUL");
}
