#include <gtest/gtest.h>

#include "lsp/campi_riga.h"

namespace {

constexpr std::string_view stazione =
    "stazione,    3750, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,20,54, ROMA TUSCOLANA";

const descrizione_parola_chiave& parola_stazione() {
    const descrizione_parola_chiave* p = parola_chiave_di(sorgente::file_treno, "stazione");
    if (p == nullptr) throw std::runtime_error("stazione non descritta");
    return *p;
}

std::string_view testo_di(std::string_view riga, const campo_riga& c) {
    return riga.substr(c.inizio, c.fine - c.inizio);
}

TEST(taglia_riga, cuts_a_line_as_the_readers_read_it) {
    const campi_riga campi = taglia_riga(stazione, parola_stazione());
    ASSERT_EQ(campi.valori.size(), 17u);
    EXPECT_EQ(testo_di(stazione, campi.parola), "stazione");
    EXPECT_EQ(testo_di(stazione, campi.valori[0]), "3750");
    EXPECT_EQ(testo_di(stazione, campi.valori[13]), "6");
    EXPECT_EQ(testo_di(stazione, campi.valori[16]), "ROMA TUSCOLANA");
}

TEST(taglia_riga, ends_numbers_at_blanks_and_leaves_extra_fields_as_text) {
    const std::string riga = "stazione, 3750 12,400,0,1,1,1,1,0,5,1,1,60,6 20 54, ROMA, 7, x";
    const campi_riga campi = taglia_riga(riga, parola_stazione());
    ASSERT_EQ(campi.valori.size(), 19u);
    EXPECT_EQ(testo_di(riga, campi.valori[1]), "12");
    EXPECT_EQ(testo_di(riga, campi.valori[15]), "54");
    EXPECT_EQ(testo_di(riga, campi.valori[16]), "ROMA");
    EXPECT_EQ(testo_di(riga, campi.valori[17]), "7");
}

TEST(valore_in_scrittura, counts_numbers_parted_by_blanks_alone) {
    const descrizione_parola_chiave* orologio = parola_chiave_di(sorgente::file_treno, "orologio");
    ASSERT_NE(orologio, nullptr);
    struct caso {
        std::string_view scritto;
        std::size_t valore;
    };
    for (const caso c : {caso{"orologio,    6", 0}, caso{"orologio,    6    ", 1},
                         caso{"orologio,    6    21", 1}, caso{"orologio,    6    21  5", 2}}) {
        EXPECT_EQ(valore_in_scrittura(c.scritto, c.scritto.size(), *orologio), c.valore)
            << c.scritto;
    }
}

TEST(campo_sotto, names_the_field_under_the_cursor) {
    const campi_riga campi = taglia_riga(stazione, parola_stazione());
    EXPECT_TRUE(campo_sotto(campi, 0).sulla_parola);
    EXPECT_EQ(campo_sotto(campi, 13).valore, 0u);
    EXPECT_EQ(campo_sotto(campi, 17).valore, 0u);  // just after the number
    EXPECT_EQ(campo_sotto(campi, 80).valore, 16u);
    const campo_al_cursore tra = campo_sotto(campi, 11);  // on the blanks before 3750
    EXPECT_FALSE(tra.sulla_parola);
    EXPECT_FALSE(tra.valore.has_value());
}

TEST(valore_in_scrittura, follows_the_value_being_typed) {
    struct caso {
        std::string_view scritto;
        std::optional<std::size_t> valore;
    };
    for (const caso c :
         {caso{"stazion", std::nullopt}, caso{"stazione,", 0}, caso{"stazione, 37", 0},
          caso{"stazione, 3750,", 1}, caso{"stazione, 3750 ", 1}, caso{"stazione, 3750 ,", 1},
          caso{"stazione, 3750, 12, 4", 2},
          caso{"stazione, 1,2,3,4,5,6,7,8,9,10,11,12,13,6,20,54, RO", 16}}) {
        EXPECT_EQ(valore_in_scrittura(c.scritto, c.scritto.size(), parola_stazione()), c.valore)
            << c.scritto;
    }
}

}  // namespace
