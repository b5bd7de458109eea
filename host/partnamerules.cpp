#include "partnamerules.h"

#include "utf8.h"

#include <algorithm>
#include <cstdio>

namespace sequate::host {

namespace {

struct Name {
    std::string_view utf8;
    std::u32string chars; // as far as the text is well-formed
    bool wellFormed = true;
};

Name decoded(std::string_view utf8) {
    Name name{utf8, {}};
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = decodeUtf8(utf8, pos);
        if (!c) {
            name.wellFormed = false;
            break;
        }
        name.chars += c->value;
        pos += c->length;
    }
    return name;
}

std::string codePointText(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

using Reason = std::optional<std::string>;

// The first character of the name that is in the set.
std::optional<char32_t> firstIn(const Name& name, std::u32string_view set) {
    const auto found =
        std::find_first_of(name.chars.begin(), name.chars.end(), set.begin(), set.end());
    return found == name.chars.end() ? std::nullopt : std::optional<char32_t>(*found);
}

// The characters of the set are all ASCII, so the reason can show the character itself.
Reason forbiddenCharacter(const Name& name, std::u32string_view set, const char* whoRefuses) {
    const auto c = firstIn(name, set);
    if (!c)
        return std::nullopt;
    std::string reason = "contains \"";
    reason += static_cast<char>(*c);
    reason += "\", which ";
    reason += whoRefuses;
    reason += " in a part name";
    return reason;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Each rule may take for granted the rules before it: a name reaches the character rules only
// once it is known to be well-formed UTF-8.
struct Rule {
    PartNameRule listed;
    Reason (*fault)(const Name&);
};

const Rule rules[] = {
    {{"Empty", "", false},
     [](const Name& name) -> Reason {
         return name.utf8.empty() ? Reason("is empty") : std::nullopt;
     }},
    {{"NotUtf8",
      "R\xC4"
      "1",
      true},
     [](const Name& name) -> Reason {
         return name.wellFormed ? std::nullopt : Reason("is not valid UTF-8");
     }},
    {{"KeywordStart", "*R1", false},
     [](const Name& name) -> Reason {
         if (name.utf8.front() != '*')
             return std::nullopt;
         return "begins with \"*\", which PowerPCB would read as a section keyword";
     }},
    {{"Blank", "R 1", false},
     [](const Name& name) -> Reason {
         return firstIn(name, U" \u00A0") ? Reason("contains a blank") : std::nullopt;
     }},
    {{"Control",
      "R\x01"
      "1",
      false},
     [](const Name& name) -> Reason {
         const auto c = std::find_if(name.chars.begin(), name.chars.end(), isControl);
         if (c == name.chars.end())
             return std::nullopt;
         return "contains a control character (" + codePointText(*c) + ")";
     }},
    {{"BeyondLatin1",
      "\xCE\xA9"
      "1",
      true},
     [](const Name& name) -> Reason {
         const auto c = std::find_if(name.chars.begin(), name.chars.end(),
                                     [](char32_t c) { return c > 0xFF; });
         if (c == name.chars.end())
             return std::nullopt;
         return "contains the character " + codePointText(*c) +
                ", which the ECO file's encoding, ISO 8859-1, cannot carry";
     }},
    {{"LayoutCharacter", "R1.A", false},
     [](const Name& name) {
         return forbiddenCharacter(name, U",{}*?.&", "the layout does not allow");
     }},
    {{"NetlistCharacter", "R(1)", false},
     [](const Name& name) {
         return forbiddenCharacter(name, U"`:^[]$()@=\\", "PowerPCB's netlists do not allow");
     }},
    {{"TooLong", "TESTPOINTPAD32000", false},
     [](const Name& name) -> Reason {
         if (name.chars.size() <= layoutNameMaxLength)
             return std::nullopt;
         std::string reason = "is ";
         reason += std::to_string(name.chars.size());
         reason += " characters long; the layout takes at most ";
         reason += std::to_string(layoutNameMaxLength);
         return reason;
     }},
};

bool isBlankOrControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

} // namespace

const std::vector<PartNameRule>& layoutNameRules() {
    static const std::vector<PartNameRule> listed = [] {
        std::vector<PartNameRule> list;
        for (const Rule& rule : rules)
            list.push_back(rule.listed);
        return list;
    }();
    return listed;
}

std::optional<NameFault> layoutNameFault(std::string_view name) {
    const Name decodedName = decoded(name);
    for (const Rule& rule : rules) {
        if (auto reason = rule.fault(decodedName))
            return NameFault{rule.listed.label, std::move(*reason)};
    }
    return std::nullopt;
}

std::string layoutNameProblem(const std::string& name) {
    const auto fault = layoutNameFault(name);
    if (!fault)
        return {};
    std::string problem = "\"";
    problem += name;
    problem += "\" ";
    problem += fault->reason;
    return problem;
}

std::string schematicNameProblem(const std::string& name) {
    if (name.empty())
        return "the new name is empty";
    if (std::any_of(name.begin(), name.end(), isBlankOrControlByte))
        return "\"" + name + "\" contains a blank or control character";
    return {};
}

} // namespace sequate::host
