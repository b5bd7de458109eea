// The one conversion between UTF-8 and UTF-16 that the COM binding and the COM simulator share.

#include "host/utf8.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace sequate::host {
namespace {

// Every code point crossing both ways is the property below; here, the edges it does not reach.
TEST(Utf16, TheSameTextOnBothSidesAndWhatIsNotWellFormedAsTheReplacementCharacter) {
    enum Way { Both, ToUtf16, ToUtf8 };
    const struct {
        std::string utf8;
        std::u16string utf16;
        Way way;
    } cases[] = {
        {"", u"", Both},
        {"R\xFF"
         "1",
         u"R\uFFFD"
         "1",
         ToUtf16},
        {"\xC3", u"\uFFFD", ToUtf16},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", ToUtf16},
        // Overlong forms, and a value beyond U+10FFFF.
        {"\xC0\x80", u"\uFFFD\uFFFD", ToUtf16},
        {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD", ToUtf16},
        {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD", ToUtf16},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", ToUtf16},
        {"\xEF\xBF\xBD\xEF\xBF\xBD", {char16_t(0xDC00), char16_t(0xDC00)}, ToUtf8},
        {"\xEF\xBF\xBD", {char16_t(0xD800)}, ToUtf8},
        {"\xEF\xBF\xBD"
         "A",
         {char16_t(0xDC00), u'A'},
         ToUtf8},
    };
    for (const auto& c : cases) {
        if (c.way != ToUtf8) {
            EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
        }
        if (c.way != ToUtf16) {
            EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
        }
    }
}

// Every code point, in UTF-16 as its definition builds it, comes back from UTF-8 as itself.
TEST(Utf16, EveryCodePointCrossesBothWaysUnchanged) {
    for (char32_t value = 1; value <= 0x10FFFF; ++value) {
        if (value >= 0xD800 && value <= 0xDFFF)
            continue;
        const std::u16string units =
            value < 0x10000 ? std::u16string{char16_t(value)}
                            : std::u16string{char16_t(0xD800 + ((value - 0x10000) >> 10)),
                                             char16_t(0xDC00 + ((value - 0x10000) & 0x3FF))};
        const std::string utf8 = utf8FromUtf16(units);
        const auto decoded = decodeUtf8(utf8, 0);
        ASSERT_TRUE(decoded && decoded->value == value && decoded->length == utf8.size())
            << std::hex << std::uint32_t(value);
        ASSERT_EQ(utf16FromUtf8(utf8), units) << std::hex << std::uint32_t(value);
    }
}

TEST(Latin1, EachByteIsTheCodePointOfItsValue) {
    EXPECT_EQ(utf8FromLatin1("R\xC4"
                             "1 \xB5"
                             "5"),
              "R\u00C4"
              "1 \u00B5"
              "5");
    EXPECT_EQ(utf8FromLatin1(std::string("\0\x7F\xFF", 3)), std::string("\0\x7F\u00FF", 4));
}

} // namespace
} // namespace sequate::host
