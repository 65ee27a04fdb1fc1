// What a diagnostic shows of a hostile source: a bounded piece of its line, the caret still
// under the field, and long words cut short.
#include <gtest/gtest.h>

#include <string>

#include "compilazione/formato_reperti.h"

namespace {

const nomi_sorgenti nomi{"L_linea.txt", "L_T-.txt"};

reperto alla_colonna(std::string riga, std::int32_t colonna, std::string messaggio = "male") {
    reperto r;
    r.numero = 25;
    r.luogo = {sorgente::file_linea, 3, colonna, std::move(riga)};
    r.messaggio = std::move(messaggio);
    return r;
}

// The second and third lines of a diagnostic: the source and the caret.
std::pair<std::string, std::string> sorgente_e_accento(const reperto& r) {
    const std::string testo = descrivi_reperto(r, nomi);
    const auto a = testo.find('\n');
    const auto b = testo.find('\n', a + 1);
    return {testo.substr(a + 1, b - a - 1), testo.substr(b + 1, testo.size() - b - 2)};
}

TEST(FormatoReperti, ALongLineIsShownAroundTheCaret) {
    const std::string lunga = std::string(100000, 'a') + "XYZ" + std::string(100000, 'b');
    const struct {
        const char* caso;
        std::string riga;
        std::int32_t colonna;
        char sotto;  // the character the caret must point at
        bool tagliata_prima, tagliata_dopo;
    } casi[] = {
        {"in mezzo", lunga, 100002, 'Y', true, true},
        {"all'inizio", lunga, 2, 'a', false, true},
        {"alla fine", lunga, 200003, 'b', true, false},
        {"tab prima del campo", "\tcurva,\t" + std::string(500, '9'), 9, '9', false, true},
        {"riga breve", "curvad2, 300, x", 15, 'x', false, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        const auto [riga, accento] = sorgente_e_accento(alla_colonna(c.riga, c.colonna));
        EXPECT_LE(riga.size(), 206u);
        EXPECT_EQ(riga.starts_with("..."), c.tagliata_prima);
        EXPECT_EQ(riga.ends_with("..."), c.tagliata_dopo);
        ASSERT_EQ(accento.back(), '^');
        ASSERT_LT(accento.size() - 1, riga.size());
        EXPECT_EQ(riga[accento.size() - 1], c.sotto);
        EXPECT_EQ(accento.find_first_not_of(" \t"), accento.size() - 1);
    }
}

TEST(FormatoReperti, ALongWordOfTheMessageIsShortened) {
    const std::string numero(10000000, '7');
    const reperto r = alla_colonna("x", 1, "numero fuori campo: " + numero + " è troppo");
    EXPECT_EQ(riga_reperto(r, nomi),
              "L_linea.txt:3:1: errore 25: numero fuori campo: " + std::string(40, '7') + "..." +
                  std::string(12, '7') + " (10000000 byte) è troppo");
    const reperto breve = alla_colonna("x", 1, "numero fuori campo: 77777");
    EXPECT_EQ(riga_reperto(breve, nomi), "L_linea.txt:3:1: errore 25: numero fuori campo: 77777");
}

}  // namespace
