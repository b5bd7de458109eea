#pragma once

// Just enough UTF-8 to read a part name one character at a time (to check it against the
// layout's rules and to write it in single-byte characters), and the one conversion between
// the host interfaces' UTF-8 and the UTF-16 of automation strings, for the COM binding and the
// COM simulator alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sequate::host {

// The code point that starts at text[pos] and its length in bytes; nullopt for a sequence
// that is not well-formed UTF-8 (overlong forms and surrogates included).
struct CodePoint {
    char32_t value;
    std::size_t length;
};
std::optional<CodePoint> decodeUtf8(std::string_view text, std::size_t pos);

// What is not well-formed on one side (a stray byte, a lone surrogate) becomes U+FFFD on the
// other, as Windows' own conversion makes it.
std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);

// Bytes of ISO 8859-1, as the ECO file holds them, in UTF-8.
std::string utf8FromLatin1(std::string_view bytes);

#ifdef _WIN32
// On Windows a wchar_t is a UTF-16 unit: automation strings as the Win32 calls take them.
inline std::wstring wideFromUtf8(std::string_view text) {
    const std::u16string units = utf16FromUtf8(text);
    return {units.begin(), units.end()};
}
inline std::string utf8FromWide(std::wstring_view text) {
    return utf8FromUtf16(std::u16string(text.begin(), text.end()));
}
#endif

} // namespace sequate::host
