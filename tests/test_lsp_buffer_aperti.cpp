#include <gtest/gtest.h>

#include "lsp/buffer_aperti.h"

namespace {

modifica_testo cambio(std::size_t r1, std::size_t c1, std::size_t r2, std::size_t c2,
                      std::string testo) {
    return {std::pair{modifica_testo::posizione{r1, c1}, modifica_testo::posizione{r2, c2}},
            std::move(testo)};
}

class buffer_aperti_prova : public testing::Test {
  protected:
    void SetUp() override {
        buffer.apri({"file:///s/A_linea.txt", "/s/A_linea.txt", "scenario-linea", 1,
                     "[generale]\r\nsfondo uno, 3\r\ncartello_indicatore, 1800, CITT\xC3\x80\r\n"});
    }
    const std::string& testo() { return buffer.per_uri("file:///s/A_linea.txt")->testo; }
    buffer_aperti buffer;
};

TEST_F(buffer_aperti_prova, applies_changes_at_utf16_positions) {
    ASSERT_TRUE(buffer.modifica("file:///s/A_linea.txt", 2, cambio(1, 12, 1, 13, "4")));
    ASSERT_TRUE(buffer.modifica("file:///s/A_linea.txt", 3, cambio(2, 27, 2, 32, "ROMA")));
    ASSERT_TRUE(buffer.modifica("file:///s/A_linea.txt", 4, cambio(0, 10, 1, 0, "\n")));
    EXPECT_EQ(testo(), "[generale]\nsfondo uno, 4\r\ncartello_indicatore, 1800, ROMA\r\n");
    EXPECT_EQ(buffer.per_uri("file:///s/A_linea.txt")->versione, 4);
}

TEST_F(buffer_aperti_prova, replaces_the_whole_text_without_a_range) {
    ASSERT_TRUE(buffer.modifica("file:///s/A_linea.txt", 2, {std::nullopt, "nuovo"}));
    EXPECT_EQ(testo(), "nuovo");
}

TEST_F(buffer_aperti_prova, inserts_past_the_end_at_the_end) {
    ASSERT_TRUE(buffer.modifica("file:///s/A_linea.txt", 2, cambio(9, 0, 9, 0, "[fine]")));
    EXPECT_TRUE(testo().ends_with("\r\n[fine]"));
}

TEST_F(buffer_aperti_prova, finds_buffers_by_path_and_forgets_them_when_closed) {
    EXPECT_NE(buffer.per_percorso("/s/A_linea.txt"), nullptr);
    EXPECT_FALSE(buffer.modifica("file:///s/altro.txt", 2, {std::nullopt, "x"}));
    buffer.chiudi("file:///s/A_linea.txt");
    EXPECT_EQ(buffer.per_percorso("/s/A_linea.txt"), nullptr);
    EXPECT_EQ(buffer.byte_occupati(), 0u);
}

}  // namespace
