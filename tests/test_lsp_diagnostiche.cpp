#include <gtest/gtest.h>

#include "lsp/diagnostiche.h"

namespace {

reperto di(livello_reperto livello, std::int32_t numero, std::string nome, std::int32_t riga,
           std::int32_t colonna) {
    reperto r;
    r.livello = livello;
    r.numero = numero;
    r.nome = std::move(nome);
    r.luogo.riga = riga;
    r.luogo.colonna = colonna;
    r.messaggio = "messaggio";
    return r;
}

// The station's name holds À, one byte in Windows-1252 and two in UTF-8.
constexpr std::string_view testo =
    "[generale]\r\n"
    "stazione,    3725, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,20,54, CITT\xC3\x80, 9\r\n";

struct caso_diagnostica {
    reperto r;
    nlohmann::json attesa;  // range, severity and code
};

nlohmann::json intervallo(int riga, int da, int a) {
    return {{"start", {{"line", riga}, {"character", da}}},
            {"end", {{"line", riga}, {"character", a}}}};
}

TEST(diagnostica_lsp, places_the_finding_on_its_field_with_its_code) {
    const std::vector<caso_diagnostica> casi = {
        {di(livello_reperto::errore, 8, "", 2, 14),
         {{"range", intervallo(1, 13, 17)}, {"severity", 1}, {"code", 8}}},
        // The column after the name counts À as one byte.
        {di(livello_reperto::avviso, 0, "valori-in-piu", 2, 80),
         {{"range", intervallo(1, 79, 80)}, {"severity", 2}, {"code", "valori-in-piu"}}},
        {di(livello_reperto::nota, 0, "", 2, 73),
         {{"range", intervallo(1, 72, 77)}, {"severity", 3}}},
        // No column: the whole line; no line: the first.
        {di(livello_reperto::errore, 10, "", 2, 0),
         {{"range", intervallo(1, 0, 80)}, {"severity", 1}, {"code", 10}}},
        {di(livello_reperto::errore, 25, "", 0, 0),
         {{"range", intervallo(0, 0, 10)}, {"severity", 1}, {"code", 25}}},
    };
    for (const caso_diagnostica& c : casi) {
        nlohmann::json d = diagnostica_lsp(c.r, testo);
        EXPECT_EQ(d["message"], "messaggio");
        EXPECT_EQ(d["source"], "compila_scenario");
        d.erase("message");
        d.erase("source");
        EXPECT_EQ(d, c.attesa) << c.r.luogo.riga << ":" << c.r.luogo.colonna;
    }
}

}  // namespace

namespace {

TEST(diagnostica_lsp, tells_the_position_as_the_compiler_prints_it) {
    reperto r = di(livello_reperto::errore, 8, "", 2, 14);
    r.posizione = 3725;
    EXPECT_EQ(diagnostica_lsp(r, testo)["message"], "messaggio (posizione 3725 m)");
}

}  // namespace
