#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lsp/file_partner.h"

namespace {

struct caso_partner {
    const char* aperto;
    std::vector<std::string> cartella;
    sorgente genere;
    std::vector<std::string> coppie;  // "LINE|TRAIN|line path|train path"
    std::string mancante;
};

std::string descrivi(const coppia_scenario& c) {
    return c.nome_linea + "|" + c.numero_treno + "|" + c.percorso_linea + "|" + c.percorso_treno;
}

TEST(trova_partner, pairs_a_file_with_the_files_beside_it) {
    const std::vector<caso_partner> casi = {
        {"/s/Roma_linea.txt",
         {"Roma_linea.txt", "Roma_9402-.txt", "Roma_12-.txt", "Altro_1-.txt"},
         sorgente::file_linea,
         {"Roma|12|/s/Roma_linea.txt|/s/Roma_12-.txt",
          "Roma|9402|/s/Roma_linea.txt|/s/Roma_9402-.txt"},
         ""},
        {"/s/Roma_9402-.txt",
         {"Roma_linea.txt", "Roma_9402-.txt"},
         sorgente::file_treno,
         {"Roma|9402|/s/Roma_linea.txt|/s/Roma_9402-.txt"},
         ""},
        // A train run file belongs to the longest line name its name starts with.
        {"/s/A_B_1-.txt",
         {"A_linea.txt", "A_B_linea.txt", "A_B_1-.txt"},
         sorgente::file_treno,
         {"A_B|1|/s/A_B_linea.txt|/s/A_B_1-.txt"},
         ""},
        {"/s/A_linea.txt",
         {"A_linea.txt", "A_B_linea.txt", "A_B_1-.txt", "A_2-.txt"},
         sorgente::file_linea,
         {"A|2|/s/A_linea.txt|/s/A_2-.txt"},
         ""},
        {"/s/Roma_linea.txt",
         {"Roma_linea.txt", "Milano_1-.txt"},
         sorgente::file_linea,
         {"Roma||/s/Roma_linea.txt|"},
         "Roma_*-.txt"},
        {"/s/Roma_9402-.txt",
         {"Roma_9402-.txt"},
         sorgente::file_treno,
         {"Roma|9402||/s/Roma_9402-.txt"},
         "Roma_linea.txt"},
        {"/s/note.txt", {"note.txt", "Roma_linea.txt"}, sorgente::nessuna, {}, ""},
    };
    for (const caso_partner& c : casi) {
        const partner_file p = trova_partner(c.aperto, c.cartella);
        std::vector<std::string> coppie;
        for (const coppia_scenario& coppia : p.coppie) coppie.push_back(descrivi(coppia));
        EXPECT_EQ(p.genere, c.genere) << c.aperto;
        EXPECT_EQ(coppie, c.coppie) << c.aperto;
        EXPECT_EQ(p.mancante, c.mancante) << c.aperto;
    }
}

}  // namespace
