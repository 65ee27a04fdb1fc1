#include <gtest/gtest.h>

#include "lsp/posizioni_testo.h"

namespace {

TEST(posizioni_testo, ends_lines_where_the_field_reader_does) {
    const std::string_view testo = "uno\r\ndue\ntre\rquattro";
    EXPECT_EQ(riga_di(testo, 0), "uno");
    EXPECT_EQ(riga_di(testo, 1), "due");
    EXPECT_EQ(riga_di(testo, 2), "tre");
    EXPECT_EQ(riga_di(testo, 3), "quattro");
    EXPECT_EQ(riga_di(testo, 4), "");
    EXPECT_EQ(riga_di("a\r\n\r\nb", 1), "");
    EXPECT_EQ(riga_di("a\r\n\r\nb", 2), "b");
}

// "CITTÀ 𝄞 x": À is two bytes in UTF-8 and one UTF-16 unit; 𝄞 is four bytes and two units.
constexpr std::string_view misto = "CITT\xC3\x80 \xF0\x9D\x84\x9E x";

TEST(posizioni_testo, counts_columns_in_utf16_units) {
    struct caso {
        std::size_t byte;
        std::size_t utf16;
    };
    for (const caso c :
         {caso{0, 0}, caso{4, 4}, caso{6, 5}, caso{7, 6}, caso{11, 8}, caso{13, 10}}) {
        EXPECT_EQ(utf16_da_byte(misto, c.byte), c.utf16) << c.byte;
        EXPECT_EQ(byte_da_utf16(misto, c.utf16), c.byte) << c.utf16;
    }
    EXPECT_EQ(byte_da_utf16(misto, 99), misto.size());
}

TEST(posizioni_testo, places_a_windows_1252_column_in_the_editors_line) {
    // In Windows-1252 the line is "CITTÀ ? x": 𝄞 has no byte there and became '?'.
    struct caso {
        std::int32_t colonna_1252;
        std::size_t utf16;
    };
    for (const caso c : {caso{1, 0}, caso{5, 4}, caso{6, 5}, caso{7, 6}, caso{8, 8}, caso{9, 9},
                         caso{0, 10}, caso{40, 10}}) {
        EXPECT_EQ(utf16_da_colonna_1252(misto, c.colonna_1252), c.utf16) << c.colonna_1252;
    }
}

TEST(posizioni_testo, finds_the_byte_of_a_position_in_the_whole_text) {
    const std::string testo = std::string("ab\r\n") + std::string(misto) + "\nz";
    EXPECT_EQ(byte_della_posizione(testo, 0, 1), 1u);
    EXPECT_EQ(byte_della_posizione(testo, 0, 9), 2u);  // clamped to the line's end
    EXPECT_EQ(byte_della_posizione(testo, 1, 5), 4u + 6u);
    EXPECT_EQ(byte_della_posizione(testo, 2, 1), testo.size());
    EXPECT_EQ(byte_della_posizione(testo, 7, 0), testo.size());
}

}  // namespace
