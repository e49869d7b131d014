#include "text_encoding.hpp"

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

TEST(TextEncoding, DecodesCodePage1250Bytes) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"\xB9", "ą"},
        {"\x9C", "ś"},
        {"\xA5", "Ą"},
        {"\x8C", "Ś"},
        {"\xB3", "ł"},
        {"\xBF", "ż"},
        {"\x9F", "ź"},
        {"\xEA", "ę"},
        {"\xF3", "ó"},
        {"\x80", "€"},
        {"\x96", "–"},
        {"\xFF", "˙"},
        {"\x81", "\xEF\xBF\xBD"}, // unassigned in the code page
        {"Dom\xB9 abc\n", "Domą abc\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1250_to_utf8(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(to_display(c.bytes), c.utf8) << c.bytes;
    }
}

TEST(TextEncoding, KeepsValidUtf8ByteForByte) {
    const std::string texts[] = {
        "", "plain ASCII  with double blanks \n\ttab", "zażółć gęślą jaźń", "€ 𝄞 ✓", "\xEF\xBF\xBD",
    };
    for (const auto& text : texts) {
        EXPECT_TRUE(is_valid_utf8(text)) << text;
        EXPECT_EQ(to_display(text), text);
    }
}

TEST(TextEncoding, RejectsMalformedUtf8) {
    const std::string texts[] = {
        "\xC0\x80",         // overlong NUL
        "\xE0\x80\xAF",     // overlong slash
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xC5",             // cut short at the end
        "\xC5 x",           // cut short by a blank
        "\xBF",             // a lone continuation byte
        "zaż\xF3\xB3\xE6",  // UTF-8 and code page 1250 mixed
    };
    for (const auto& text : texts) {
        EXPECT_FALSE(is_valid_utf8(text)) << text;
    }
    // A text that is not UTF-8 as a whole is decoded as code page 1250 as a whole.
    EXPECT_EQ(to_display("Zażółć \xB3"), "ZaĹĽĂłĹ‚Ä‡ ł");
}

} // namespace
} // namespace orve::cli
