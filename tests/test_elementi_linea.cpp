#include <gtest/gtest.h>

#include "inspect/carica_scenario.h"
#include "inspect/elementi_linea.h"
#include "scenario_prova.h"

namespace {

// Objects are drawn at the position written in the source files, whichever cell rule
// their writer used.
TEST(ElementiLinea, StazioniCartelliEOggettiAlleLoroPosizioni) {
    prova::cartella_temporanea c;
    prova::compila(c);
    const scenario_compilato s = carica_scenario(prova::file_sim(c));
    ASSERT_TRUE(s.profilo_linea);
    const elementi_linea e = estrai_elementi(s.tabella, s.celle);

    EXPECT_EQ(e.nome_linea, prova::linea);
    EXPECT_EQ(e.numero_treno, prova::treno);
    EXPECT_EQ(e.lunghezza, 6000);
    ASSERT_EQ(e.stazioni.size(), 2u);
    EXPECT_EQ(e.stazioni[0].nome, "PRIMA");
    EXPECT_EQ(e.stazioni[1].nome, "CITT\xC3\x80");
    EXPECT_EQ(e.stazioni[1].posizione, 5000);

    auto trova = [&](genere_oggetto g, std::int32_t metro) -> const oggetto_linea* {
        for (const oggetto_linea& o : e.oggetti) {
            if (o.genere == g && o.metro == metro) return &o;
        }
        return nullptr;
    };
    const struct {
        genere_oggetto genere;
        std::int32_t metro;
        std::string etichetta;
    } attesi[] = {
        {genere_oggetto::cartello_indicatore, 1200, "(BIVIO)(A&B <NORD>)"},
        {genere_oggetto::cartello_indicatore, 4000, "(RACCORDO)(SUD)"},
        {genere_oggetto::segnale, 1900, ""},
        {genere_oggetto::segnale, 4500, ""},
        {genere_oggetto::indicatore_vmax, 800, "90/90/100"},
        {genere_oggetto::avviso_rallentamento, 1300, "30"},
        {genere_oggetto::inizio_rallentamento, 2500, "30"},
        {genere_oggetto::fine_rallentamento, 2800, "30"},
        {genere_oggetto::abbattimento, 3500, "2"},
    };
    for (const auto& a : attesi) {
        SCOPED_TRACE(a.metro);
        const oggetto_linea* o = trova(a.genere, a.metro);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->etichetta, a.etichetta);
    }

    EXPECT_EQ(e.ripetizione_inizio, 1000);
    EXPECT_EQ(e.ripetizione_fine, 5000);
    EXPECT_EQ(e.codici_ripetizione, 9);
    // Speed limit 60 then 90 km/h, gradient 0, 12, -8, all within the line's length.
    ASSERT_FALSE(e.velocita.empty());
    EXPECT_EQ(e.velocita.front().valore, 60);
    EXPECT_EQ(e.velocita.back().valore, 90);
    EXPECT_EQ(e.velocita.back().a, 6000);
    // The slowdown from 2500 to 2800 m lowers the speed in force to 30 km/h over the cells
    // of both boards.
    std::vector<std::vector<int>> in_vigore;
    for (const tratto_valore& t : e.velocita_in_vigore) in_vigore.push_back({t.da, t.a, t.valore});
    EXPECT_EQ(in_vigore, (std::vector<std::vector<int>>{
                             {0, 2475, 60}, {2475, 2825, 30}, {2825, 2975, 60}, {2975, 6000, 90}}));
    std::vector<int> pendenze;
    for (const tratto_valore& t : e.pendenze) pendenze.push_back(t.valore);
    EXPECT_EQ(pendenze, (std::vector<int>{0, 12, -8}));
}

TEST(ElementiLinea, FileAccantoTrovatiDalNome) {
    const struct {
        const char* sim;
        const char* treno;
        const char* celle;
        const char* profilo;
    } casi[] = {
        {"d/Val_di_prova_77.sim", "77", "d/Val_di_prova_77.dat", "d/Val_di_prova_linea.dat"},
        {"d/Linea_X9.sim", "altro", "d/Linea_X9.dat", "d/Linea_linea.dat"},
        {"d_1/Linea.sim", "", "d_1/Linea.dat", "d_1/Linea_linea.dat"},
    };
    for (const auto& c : casi) {
        const nomi_compilati n = nomi_accanto(c.sim, c.treno);
        EXPECT_EQ(n.celle, c.celle);
        EXPECT_EQ(n.profilo, c.profilo);
    }
}

}  // namespace
