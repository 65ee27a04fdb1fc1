#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/guasto.h"
#include "source_text/lettore_campi.h"

namespace {

// One read step: 'T' text, 'I' 32-bit, 'S' 16-bit, 'B' 8-bit; the expected value as text.
struct passo {
    char tipo;
    std::string atteso;
};

struct caso_campi {
    const char* nome;
    std::string testo;
    std::vector<passo> passi;
    bool fine_attesa;  // end of file after the last step
};

std::string leggi_passo(lettore_campi& l, char tipo) {
    switch (tipo) {
        case 'T':
            return l.leggi_testo();
        case 'I':
            return std::to_string(l.leggi_intero32());
        case 'S':
            return std::to_string(l.leggi_intero16());
        default:
            return std::to_string(l.leggi_byte());
    }
}

class LettoreCampi : public testing::TestWithParam<caso_campi> {};

TEST_P(LettoreCampi, LeggeICampiAttesi) {
    const caso_campi& c = GetParam();
    lettore_campi l(c.testo, sorgente::file_linea);
    for (std::size_t i = 0; i < c.passi.size(); ++i) {
        EXPECT_EQ(leggi_passo(l, c.passi[i].tipo), c.passi[i].atteso) << "campo " << i;
    }
    EXPECT_EQ(l.fine_file(), c.fine_attesa);
}

INSTANTIATE_TEST_SUITE_P(
    Regole, LettoreCampi,
    testing::Values(
        caso_campi{
            "testo_spazi_e_tab_tolti", "  \t a b \t,c\r\n", {{'T', "a b"}, {'T', "c"}}, true},
        caso_campi{
            "campi_vuoti", ",,x\r\n\r\n", {{'T', ""}, {'T', ""}, {'T', "x"}, {'T', ""}}, true},
        caso_campi{"fine_riga_crlf_lf_cr",
                   "a\r\nb\nc\rd",
                   {{'T', "a"}, {'T', "b"}, {'T', "c"}, {'T', "d"}},
                   true},
        caso_campi{"virgolette_ordinarie", "\"a,b\"\r\n", {{'T', "\"a"}, {'T', "b\""}}, true},
        caso_campi{"numero_poi_spazi_poi_virgola", "5 ,6\r\n", {{'I', "5"}, {'I', "6"}}, true},
        caso_campi{"numeri_separati_da_spazi",
                   "6               21            54 \r\n",
                   {{'S', "6"}, {'S', "21"}, {'S', "54"}},
                   true},
        caso_campi{"segni", "-7,+8,-0\n", {{'I', "-7"}, {'I', "8"}, {'I', "0"}}, true},
        caso_campi{"numero_lascia_il_resto", "7 x,y", {{'I', "7"}, {'T', "x"}}, false},
        caso_campi{"numero_lf_consumato", "12\nz", {{'I', "12"}, {'T', "z"}}, true},
        caso_campi{"limiti_delle_larghezze",
                   "255,0,32767,-32768,2147483647,-2147483648\r\n",
                   {{'B', "255"},
                    {'B', "0"},
                    {'S', "32767"},
                    {'S', "-32768"},
                    {'I', "2147483647"},
                    {'I', "-2147483648"}},
                   true},
        caso_campi{"solo_spazi_sono_testo_vuoto", "a,   ", {{'T', "a"}, {'T', ""}}, true},
        caso_campi{"cp1252_intatto", "\xC0\xE8,x", {{'T', "\xC0\xE8"}, {'T', "x"}}, true}),
    [](const testing::TestParamInfo<caso_campi>& i) { return i.param.nome; });

struct caso_guasto {
    const char* nome;
    std::string testo;
    std::vector<char> prima;  // fields read fine before the faulty one
    char tipo;
};

class LettoreCampiGuasto : public testing::TestWithParam<caso_guasto> {};

TEST_P(LettoreCampiGuasto, SollevaGuasto) {
    const caso_guasto& c = GetParam();
    lettore_campi l(c.testo, sorgente::file_treno);
    for (char t : c.prima) leggi_passo(l, t);
    EXPECT_THROW(leggi_passo(l, c.tipo), guasto);
}

INSTANTIATE_TEST_SUITE_P(
    Regole, LettoreCampiGuasto,
    testing::Values(caso_guasto{"byte_256", "256", {}, 'B'},
                    caso_guasto{"byte_negativo", "-1", {}, 'B'},
                    caso_guasto{"int16_32768", "32768", {}, 'S'},
                    caso_guasto{"int16_meno_32769", "-32769", {}, 'S'},
                    caso_guasto{"int32_troppo_grande", "2147483648", {}, 'I'},
                    caso_guasto{"int32_troppe_cifre", "99999999999999999999999", {}, 'I'},
                    caso_guasto{"frazione", "1.5", {}, 'I'}, caso_guasto{"lettere", "12a", {}, 'I'},
                    caso_guasto{"solo_segno", "+,", {}, 'I'},
                    caso_guasto{"campo_vuoto", ",5", {}, 'I'},
                    caso_guasto{"numero_tra_virgolette", "\"5\"", {}, 'I'},
                    caso_guasto{"numero_su_soli_spazi", "a,  ", {'T'}, 'I'},
                    caso_guasto{"testo_dopo_la_fine", "a\r\n", {'T'}, 'T'},
                    caso_guasto{"numero_dopo_la_fine", "1\r\n", {'I'}, 'I'},
                    caso_guasto{"file_vuoto", "", {}, 'T'}),
    [](const testing::TestParamInfo<caso_guasto>& i) { return i.param.nome; });

TEST(LettoreCampiTesto, UnNomeDeveStareIn16Bit) {
    const std::string testo_giusto = std::string(65535, 'a') + ",x";
    lettore_campi giusto(testo_giusto, sorgente::file_treno);
    EXPECT_EQ(giusto.leggi_testo().size(), 65535u);
    const std::string testo_lungo(65536, 'a');
    lettore_campi lungo(testo_lungo, sorgente::file_treno);
    EXPECT_THROW(lungo.leggi_testo(), guasto);
    // Trailing blanks do not count towards the limit.
    const std::string testo_con_spazi = std::string(65535, 'a') + "   ";
    lettore_campi con_spazi(testo_con_spazi, sorgente::file_treno);
    EXPECT_EQ(con_spazi.leggi_testo().size(), 65535u);
}

TEST(ParoleChiave, MaiuscoleSoloLettereAscii) {
    EXPECT_TRUE(contiene_maiuscole_minuscole("  VELOCITA ", "velocit"));
    EXPECT_TRUE(contiene_maiuscole_minuscole("[Generale]", "[generale]"));
    EXPECT_FALSE(contiene_maiuscole_minuscole("veloc", "velocit"));
    // Accented Windows-1252 capitals are not folded.
    EXPECT_FALSE(contiene_maiuscole_minuscole("\xC0", "\xE0"));
    EXPECT_TRUE(contiene("progressiva tre", "tre"));
    EXPECT_FALSE(contiene("Progressiva", "progressiva"));
}

TEST(ParoleChiave, MaiuscoleMinuscoleInOgniPosto) {
    struct caso {
        std::string_view campo, parola;
        bool contiene;
    };
    const caso casi[] = {
        {"", "", true},
        {"abc", "", true},
        {"", "a", false},
        {"cur", "curva", false},
        {"curva", "curva", true},
        {"xxCURVA", "curva", true},           // at the very end
        {"cCuRcurvX", "curva", false},        // the initial in both cases, never the word
        {"Cucurva", "curva", true},           // the capital comes first and fails
        {"ccCurva", "curva", true},           // the small one first and fails
        {"CURVcurva", "CURVA", true},         // a capital word
        {"x[GENERALE]", "[generale]", true},  // an initial that is not a letter
        {"x{generale]", "[generale]", false},
        {"4", "4", true},
        {std::string_view("a\0cUrva", 7), "curva", true},
    };
    for (const caso& c : casi) {
        EXPECT_EQ(contiene_maiuscole_minuscole(c.campo, c.parola), c.contiene)
            << c.campo << " / " << c.parola;
    }
}

}  // namespace
