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

constexpr char32_t replacement = 0xFFFD;

bool isSurrogate(char32_t value) {
    return value >= 0xD800 && value <= 0xDFFF;
}

void appendUtf8(std::string& bytes, char32_t value) {
    const auto byte = [&](char32_t bits) { bytes += static_cast<char>(bits); };
    if (value < 0x80) {
        byte(value);
    } else if (value < 0x800) {
        byte(0xC0 | (value >> 6));
        byte(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        byte(0xE0 | (value >> 12));
        byte(0x80 | ((value >> 6) & 0x3F));
        byte(0x80 | (value & 0x3F));
    } else {
        byte(0xF0 | (value >> 18));
        byte(0x80 | ((value >> 12) & 0x3F));
        byte(0x80 | ((value >> 6) & 0x3F));
        byte(0x80 | (value & 0x3F));
    }
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

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = decodeUtf8(text, pos);
        const char32_t value = c ? c->value : replacement;
        pos += c ? c->length : 1;
        if (value < 0x10000) {
            units += static_cast<char16_t>(value);
        } else {
            units += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        char32_t value = text[pos];
        if (isSurrogate(value)) {
            const bool paired = value < 0xDC00 && pos + 1 < text.size() &&
                                text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
            value =
                paired ? 0x10000 + ((value - 0xD800) << 10) + (text[++pos] - 0xDC00) : replacement;
        }
        appendUtf8(bytes, value);
    }
    return bytes;
}

std::string utf8FromLatin1(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        appendUtf8(text, static_cast<unsigned char>(c));
    return text;
}

} // namespace sequate::host
