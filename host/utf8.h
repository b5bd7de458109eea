#pragma once

// Just enough UTF-8 to read a part name one character at a time: to check it against the
// layout's rules and to write it in single-byte characters.

#include <cstddef>
#include <optional>
#include <string_view>

namespace sequate::host {

// The code point that starts at text[pos] and its length in bytes; nullopt for a sequence
// that is not well-formed UTF-8 (overlong forms and surrogates included).
struct CodePoint {
    char32_t value;
    std::size_t length;
};
std::optional<CodePoint> decodeUtf8(std::string_view text, std::size_t pos);

} // namespace sequate::host
