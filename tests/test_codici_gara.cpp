#include <gtest/gtest.h>

#include <string>

#include "model/form1.h"

namespace {

struct caso {
    const char* nome;
    std::string treno, linea;
    std::int16_t og;
    std::int32_t st;
};

class CodiciGara : public testing::TestWithParam<caso> {};

TEST_P(CodiciGara, SommeDeiPrimi25Caratteri) {
    const caso& c = GetParam();
    Form1 f;
    f.tabella_sim[86].nome = c.treno;
    f.tabella_sim[85].nome = c.linea;
    // The codes read the table rows, not the form's own names.
    f.numero_treno = "altro";
    f.nome_linea = "altro";
    EXPECT_EQ(f.codice_gara_st(), c.st);
    EXPECT_EQ(f.codice_gara_og(), c.og);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CodiciGara,
    testing::Values(caso{"scenario", "9402", "Zarvelotimbrasquinoverdaltepa", 2507, 34967},
                    caso{"maiuscole", "9402", "ZARVELOTIMBRASQUINOVERDALTEPA", 2507, 34967},
                    // Only the first 25 characters count: the line name from its 22nd on not.
                    caso{"oltre_il_venticinquesimo", "9402", "ZarvelotimbrasquinoverXYZ", 2507,
                         34967},
                    caso{"ordine_scambiato", "Zarvelotimbrasquinoverdaltepa", "9402", 2719, 35098},
                    caso{"nomi_vuoti_solo_riempitivo", "", "", 2664, 35686},
                    caso{"spazio_vale_32", "1", "a b", 2480, 34420},
                    caso{"corto_con_maiuscole", "12", "AB", 2498, 34521}),
    [](const testing::TestParamInfo<caso>& i) { return i.param.nome; });

TEST(CodiciGaraTesto, LasciaIlTestoDiLavoroInRigaLetta) {
    Form1 f;
    f.tabella_sim[86].nome = "12";
    f.tabella_sim[85].nome = "Ab";
    f.codice_gara_og();
    EXPECT_EQ(f.riga_letta, "12abbbccddffgghhllmmnnpprrsstt");
}

}  // namespace
