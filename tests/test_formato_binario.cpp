#include <gtest/gtest.h>

#include <string>

#include "aiuto_test.h"
#include "model/tracciato.h"
#include "output/file_atomico.h"
#include "output/formato_binario.h"

namespace {

std::string byte(std::initializer_list<int> b) {
    std::string s;
    for (int x : b) s.push_back(static_cast<char>(x));
    return s;
}

TEST(FormatoBinario, RecordDiCella) {
    cella c;
    c.tipo = 12;
    c.valore_1 = -2;
    c.valore_2 = 0x1234;
    c.valore_3 = 5121;
    c.valore_4 = -32768;
    c.tempo = 101;
    c.preavviso = 84;
    c.montagna = 3;
    c.vel_limite = 6;
    c.pendenza = 255;
    c.aderenza = 100;
    std::string uscita;
    codifica_cella(uscita, c);
    EXPECT_EQ(uscita,
              byte({12, 0xFE, 0xFF, 0x34, 0x12, 0x01, 0x14, 0x00, 0x80, 101, 84, 3, 6, 255, 100}));
}

TEST(FormatoBinario, RigaDellaTabellaConNome) {
    riga_sim r;
    r.tipo = 12;
    r.inizio = 3550;
    r.fine = -1;
    r.posizione = 0x01020304;
    r.dato_4 = 7;
    r.nome = "ROMA TUSCOLANA";
    r.dato_7 = 610;
    r.dato_8 = 2;
    r.dato_10 = 5;
    r.dato_11 = 6;
    r.dato_12 = -7;
    r.dato_9 = 9;
    r.dato_13 = 13;
    r.dato_6 = 1;
    r.dato_5 = 200;
    r.orario = 34967;
    std::string uscita;
    codifica_riga(uscita, r);
    ASSERT_EQ(uscita.size(), 48u);
    const std::string atteso =
        byte({12, 0xDE, 0x0D, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 7, 14, 0}) +
        "ROMA TUSCOLANA" +
        byte({0x62, 0x02, 2, 0, 5, 0, 6, 0, 0xF9, 0xFF, 9, 13, 1, 200, 0x97, 0x88, 0, 0});
    EXPECT_EQ(uscita, atteso);
}

TEST(FormatoBinario, RigaVuotaETabella) {
    std::string uscita;
    codifica_riga(uscita, riga_sim{});
    EXPECT_EQ(uscita, std::string(34, '\0'));
    std::array<riga_sim, righe_tabella_sim> tabella{};
    tabella[85].nome = "\xE8";  // one byte per character, as stored
    const std::string t = codifica_tabella(tabella);
    EXPECT_EQ(t.size(), 87u * 34 + 1);
    EXPECT_EQ(t.substr(85 * 34 + 14, 3), byte({1, 0, 0xE8}));
}

TEST(FormatoBinario, ElementiDelProfiloPerTipo) {
    tracciato p;
    p.crea(3);
    p.semina(-2, 0, 0, 7);
    p.calcola(2, 2, false, 0.0);  // metre 3 stays empty
    aiuto::cartella_temporanea dir;
    const std::string percorso = dir.file("p.dat");
    file_atomico file(percorso);
    scrivi_profilo(file, p);
    file.conferma();
    // Column 0 for every metre, then column 1: integers, a double, an empty element.
    EXPECT_EQ(aiuto::leggi(percorso),
              byte({2, 0, 0xFE, 0xFF, 2, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0,    0x40, 0, 0,
                    2, 0, 0,    0,    2, 0, 7, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0x2C, 0x40, 0, 0}));
}

}  // namespace
