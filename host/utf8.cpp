#include "utf8.h"

namespace sequate::host {

namespace {

struct LeadByte {
    std::size_t length;
    char32_t bits;
    unsigned char minSecond; // the bounds of the second byte rule out overlong forms,
    unsigned char maxSecond; // surrogates and values beyond U+10FFFF
};

std::optional<LeadByte> leadByte(unsigned char b) {
    if (b < 0x80)
        return LeadByte{1, b, 0, 0};
    if (b >= 0xC2 && b <= 0xDF)
        return LeadByte{2, char32_t(b & 0x1F), 0x80, 0xBF};
    if (b == 0xE0)
        return LeadByte{3, char32_t(b & 0x0F), 0xA0, 0xBF};
    if (b == 0xED)
        return LeadByte{3, char32_t(b & 0x0F), 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return LeadByte{3, char32_t(b & 0x0F), 0x80, 0xBF};
    if (b == 0xF0)
        return LeadByte{4, char32_t(b & 0x07), 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return LeadByte{4, char32_t(b & 0x07), 0x80, 0xBF};
    if (b == 0xF4)
        return LeadByte{4, char32_t(b & 0x07), 0x80, 0x8F};
    return std::nullopt;
}

} // namespace

std::optional<CodePoint> decodeUtf8(std::string_view text, std::size_t pos) {
    const auto lead = leadByte(static_cast<unsigned char>(text[pos]));
    if (!lead || pos + lead->length > text.size())
        return std::nullopt;
    char32_t value = lead->bits;
    for (std::size_t k = 1; k < lead->length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        const unsigned char low = k == 1 ? lead->minSecond : 0x80;
        const unsigned char high = k == 1 ? lead->maxSecond : 0xBF;
        if (b < low || b > high)
            return std::nullopt;
        value = (value << 6) | (b & 0x3F);
    }
    return CodePoint{value, lead->length};
}

} // namespace sequate::host
