#include <gtest/gtest.h>

#include "inspect/testo_escape.h"
#include "source_text/codifica_1252.h"

namespace {

TEST(Testo1252, ConverteInUtf8) {
    const struct {
        std::string_view da;
        std::string a;
    } casi[] = {
        {"ROMA 1", "ROMA 1"},
        {"CITT\xC0", "CITT\xC3\x80"},                // Latin-1 range
        {"\x80 \x99", "\xE2\x82\xAC \xE2\x84\xA2"},  // euro, trade mark
        {"\x81", "\xC2\x81"},                        // undefined in the code page: kept
        {"\xFF", "\xC3\xBF"},
        {std::string_view("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : casi) EXPECT_EQ(testo_1252_a_utf8(c.da), c.a);
}

TEST(Testo1252, EscapeXmlEJson) {
    EXPECT_EQ(escape_xml("A&B <N> \"x\" 'y'"), "A&amp;B &lt;N&gt; &quot;x&quot; &apos;y&apos;");
    EXPECT_EQ(escape_xml(std::string("a\x01\tb", 4)), "a\xEF\xBF\xBD\tb");
    EXPECT_EQ(escape_xml("CITT\xC3\x80"), "CITT\xC3\x80");
    EXPECT_EQ(stringa_json("a\"b\\c\n\x1f"), "\"a\\\"b\\\\c\\u000a\\u001f\"");
}

}  // namespace
