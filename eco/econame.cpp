#include "econame.h"

#include "eco/ecooutput.h"
#include "host/utf8.h"

#include <cstdio>
#include <optional>

namespace sequate::eco {

namespace {

std::string codePointText(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Why the character cannot stand in a name in the file; nullopt when it can.
std::optional<std::string> refusal(char32_t c) {
    if (c == U' ' || c == 0xA0)
        return "contains a blank";
    if (isControl(c))
        return "contains a control character (" + codePointText(c) + ")";
    if (c > 0xFF)
        return "contains the character " + codePointText(c) +
               ", which the ECO file's encoding, ISO 8859-1, cannot carry";
    return std::nullopt;
}

[[noreturn]] void refuse(const std::string& name, NameSide side, std::size_t renameNumber,
                         const std::string& reason) {
    const char* sideText = side == NameSide::Old ? "old" : "new";
    throw EcoError("The ECO file was not written: the " + std::string(sideText) + " name \"" +
                   name + "\" of rename " + std::to_string(renameNumber) + " " + reason + ".");
}

} // namespace

std::string ecoName(const std::string& utf8, NameSide side, std::size_t renameNumber) {
    if (utf8.empty())
        refuse(utf8, side, renameNumber, "is empty");
    if (utf8.front() == '*')
        refuse(utf8, side, renameNumber,
               "begins with \"*\", which PowerPCB would read as a section keyword");
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = host::decodeUtf8(utf8, pos);
        if (!c)
            refuse(utf8, side, renameNumber, "is not valid UTF-8");
        if (const auto reason = refusal(c->value))
            refuse(utf8, side, renameNumber, *reason);
        latin1 += static_cast<char>(c->value);
        pos += c->length;
    }
    return latin1;
}

} // namespace sequate::eco
