#include <gtest/gtest.h>

#include "source_text/codifica_1252.h"

TEST(Codifica1252, Utf8NamesBecomeSingleBytes) {
    EXPECT_EQ(utf8_a_1252("Città"), "Citt\xE0");
    EXPECT_EQ(utf8_a_1252("€ Œ"), "\x80 \x8C");
    EXPECT_EQ(utf8_a_1252("Łódź"),
              "?\xF3"
              "d?");
    EXPECT_EQ(utf8_a_1252("\xE0 gi\xE0"), "\xE0 gi\xE0");  // already single-byte: kept
}

TEST(Codifica1252, BackToUtf8) {
    EXPECT_EQ(testo_1252_a_utf8("Citt\xE0 \x80"), "Città €");
    EXPECT_EQ(come_utf8("Città \xE8"), "Città è");
}
