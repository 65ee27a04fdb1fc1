// Source encodings: UTF-8 and UTF-16 files compile to the bytes of their Windows-1252 twin,
// anything else is read byte for byte as before, and a character Windows-1252 lacks stops
// the run at its place with nothing written.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "compilazione/compila_testi.h"
#include "output/destinazione_memoria.h"
#include "source_text/decodifica_sorgente.h"

namespace {

const std::string linea_1252 =
    "[generale]\r\nlunghezza percorso, 12000\r\n[curve]\r\ncurvad2, 300, 400\r\n"
    "cartello_indicatore, 1800, (PERUGIA)(CITT\xC0)\r\n[fine]\r\n";
const std::string treno_1252 =
    "[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\n"
    "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n"
    "stazione, 3000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,5,0, CITT\xC0 DI CASTELLO\r\n[fine]\r\n";

// Windows-1252 to UTF-8, for the few characters these texts hold beyond ASCII.
std::string utf8(const std::string& testo) {
    std::string t;
    for (const char c : testo) {
        if (c == '\xC0') {
            t += "\xC3\x80";
        } else {
            t += c;
        }
    }
    return t;
}

std::string utf16(const std::string& testo_1252, bool big_endian) {
    std::string t = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : testo_1252) {
        const char alto = 0;
        const char basso = c;  // the two bytes here are Latin-1, the same code point
        t += big_endian ? std::string{alto, basso} : std::string{basso, alto};
    }
    return t;
}

struct compilato {
    esito_compilazione esito;
    std::map<std::string, std::string> file;
};

compilato compila(const std::string& linea, const std::string& treno,
                  codifica_sorgente codifica = codifica_sorgente::automatica) {
    const sorgenti_compilazione s{{"L_linea.txt", linea, {}}, {"L_T-.txt", treno, {}}};
    opzioni_compilazione o;
    o.nome_linea = "L";
    o.numero_treno = "T";
    o.codifica = codifica;
    destinazione_memoria uscita;
    compilato c{compila_testi(s, o, uscita), {}};
    c.file = uscita.file();
    return c;
}

std::size_t note_di_codifica(const esito_compilazione& e) {
    std::size_t n = 0;
    for (const reperto& r : e.reperti) n += r.nome == "codifica";
    return n;
}

TEST(DecodificaSorgente, Utf8NamesAreStoredAsWindows1252) {
    const compilato gemello = compila(linea_1252, treno_1252);
    ASSERT_EQ(gemello.esito.codice_errore, 0);
    ASSERT_FALSE(gemello.file.empty());
    EXPECT_EQ(note_di_codifica(gemello.esito), 0u);

    const compilato c = compila(utf8(linea_1252), utf8(treno_1252));
    EXPECT_TRUE(c.file == gemello.file);
    const std::string& sim = c.file.at("L_T.sim");
    EXPECT_NE(sim.find("CITT\xC0 DI CASTELLO"), std::string::npos);
    EXPECT_EQ(sim.find("CITT\xC3\x80"), std::string::npos);
    EXPECT_EQ(note_di_codifica(c.esito), 2u);
}

TEST(DecodificaSorgente, Utf16WithEitherByteOrderMarkCompilesAsItsTwin) {
    const compilato gemello = compila(linea_1252, treno_1252);
    for (const bool big_endian : {false, true}) {
        const compilato c = compila(utf16(linea_1252, big_endian), utf16(treno_1252, big_endian));
        EXPECT_EQ(c.esito.codice_errore, 0) << big_endian;
        EXPECT_TRUE(c.file == gemello.file) << big_endian;
    }
}

TEST(DecodificaSorgente, Utf8ByteOrderMarkIsDropped) {
    const compilato c = compila("\xEF\xBB\xBF" + utf8(linea_1252), "\xEF\xBB\xBF" + treno_1252);
    // The train run file holds a Windows-1252 byte after its mark: not UTF-8, read as it is
    // once the mark is gone.
    EXPECT_TRUE(c.file == compila(linea_1252, treno_1252).file);
}

TEST(DecodificaSorgente, AnythingElseIsReadByteForByte) {
    // Windows-1252 (no valid UTF-8 sequence) and, with cp1252, even valid UTF-8.
    const compilato byte = compila(utf8(linea_1252), utf8(treno_1252), codifica_sorgente::cp1252);
    EXPECT_EQ(note_di_codifica(byte.esito), 0u);
    EXPECT_NE(byte.file.at("L_T.sim").find("CITT\xC3\x80"), std::string::npos);
}

TEST(DecodificaSorgente, ACharacterOutsideWindows1252IsAnErrorAtItsColumn) {
    // "Ł" has no Windows-1252 byte; the "À" before it counts as one character.
    std::string con_estraneo = utf8(treno_1252);
    const std::string nome = "CITT\xC3\x80 DI CASTELLO";
    con_estraneo.replace(con_estraneo.find(nome), nome.size(), "CITT\xC3\x80 \xC5\x81ODZ");
    const compilato c = compila(linea_1252, con_estraneo);
    EXPECT_EQ(c.esito.fine, fine_compilazione::errore);
    EXPECT_TRUE(c.file.empty());
    EXPECT_TRUE(c.esito.file_prodotti.empty());
    ASSERT_FALSE(c.esito.reperti.empty());
    const reperto& e = c.esito.reperti.front();
    EXPECT_EQ(e.livello, livello_reperto::errore);
    EXPECT_EQ(e.luogo.file, sorgente::file_treno);
    EXPECT_EQ(e.luogo.riga, 5);
    EXPECT_EQ(e.luogo.colonna, 64);  // after "stazione, 3000, ...7,5,0, CITTÀ "
    EXPECT_NE(e.messaggio.find("U+0141"), std::string::npos) << e.messaggio;
}

TEST(DecodificaSorgente, NulBytesWithoutMarkAreWarnedAndCompiledAsToday) {
    std::string senza_bom = utf16(treno_1252, false).substr(2);
    const compilato c = compila(linea_1252, senza_bom);
    const compilato come_oggi = compila(linea_1252, senza_bom, codifica_sorgente::cp1252);
    EXPECT_TRUE(c.file == come_oggi.file);
    const bool avvisato = std::any_of(c.esito.reperti.begin(), c.esito.reperti.end(),
                                      [](const reperto& r) { return r.nome == "utf16-senza-bom"; });
    EXPECT_TRUE(avvisato);
    // Told to, the file is read as UTF-16 after all.
    const std::string linea_senza_bom = utf16(linea_1252, false).substr(2);
    EXPECT_TRUE(compila(linea_senza_bom, senza_bom, codifica_sorgente::utf16).file ==
                compila(linea_1252, treno_1252).file);
}

TEST(DecodificaSorgente, KeepsTheOriginalOffsetOfEveryByte) {
    const testo_decodificato t =
        decodifica_sorgente("a\xC3\x80z\r\n\xE2\x82\xAC", codifica_sorgente::automatica);
    ASSERT_TRUE(t.convertito);
    EXPECT_EQ(*t.convertito, "a\xC0z\r\n\x80");
    EXPECT_EQ(t.codifica, "UTF-8");
    EXPECT_EQ(t.offset_originale(1), 1u);
    EXPECT_EQ(t.offset_originale(2), 3u);
    EXPECT_EQ(t.offset_originale(5), 6u);
    EXPECT_EQ(t.offset_originale(6), 9u);
    EXPECT_FALSE(decodifica_sorgente("plain", codifica_sorgente::automatica).convertito);
}

}  // namespace
