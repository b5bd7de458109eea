#include "partnamerules.h"

#include "utf8.h"

#include <algorithm>
#include <iterator>
#include <string>

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

using Found = std::optional<NameFault>;

// The fault at the first character of the name for which `breaks` holds.
template <typename Predicate>
Found firstCharacter(const Name& name, NameRule rule, Predicate breaks) {
    const auto found = std::find_if(name.chars.begin(), name.chars.end(), breaks);
    if (found == name.chars.end())
        return std::nullopt;
    return NameFault{rule, *found, static_cast<std::size_t>(found - name.chars.begin()),
                     name.chars.size()};
}

Found firstIn(const Name& name, NameRule rule, std::u32string_view set) {
    return firstCharacter(name, rule,
                          [&](char32_t c) { return set.find(c) != std::u32string_view::npos; });
}

Found whole(const Name& name, NameRule rule, bool broken) {
    if (!broken)
        return std::nullopt;
    return NameFault{rule, 0, 0, name.chars.size()};
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Each rule may take for granted the rules before it: a name reaches the character rules only
// once it is known to be well-formed UTF-8.
struct Rule {
    PartNameRule listed;
    Found (*fault)(const Name&);
};

const Rule rules[] = {
    {{NameRule::Empty, "Empty", "", false},
     [](const Name& name) { return whole(name, NameRule::Empty, name.utf8.empty()); }},
    {{NameRule::NotUtf8, "NotUtf8",
      "R\xC4"
      "1",
      true},
     [](const Name& name) { return whole(name, NameRule::NotUtf8, !name.wellFormed); }},
    {{NameRule::KeywordStart, "KeywordStart", "*R1", false},
     [](const Name& name) {
         return name.chars.front() == '*'
                    ? Found(NameFault{NameRule::KeywordStart, '*', 0, name.chars.size()})
                    : std::nullopt;
     }},
    {{NameRule::Blank, "Blank", "R 1", false},
     [](const Name& name) { return firstIn(name, NameRule::Blank, U" \u00A0"); }},
    {{NameRule::Control, "Control",
      "R\x01"
      "1",
      false},
     [](const Name& name) { return firstCharacter(name, NameRule::Control, isControl); }},
    {{NameRule::BeyondLatin1, "BeyondLatin1",
      "\xCE\xA9"
      "1",
      true},
     [](const Name& name) {
         return firstCharacter(name, NameRule::BeyondLatin1, [](char32_t c) { return c > 0xFF; });
     }},
    {{NameRule::LayoutCharacter, "LayoutCharacter", "R1.A", false},
     [](const Name& name) { return firstIn(name, NameRule::LayoutCharacter, U",{}*?.&"); }},
    {{NameRule::NetlistCharacter, "NetlistCharacter", "R(1)", false},
     [](const Name& name) { return firstIn(name, NameRule::NetlistCharacter, U"`:^[]$()@=\\"); }},
    {{NameRule::TooLong, "TooLong", "TESTPOINTPAD32000", false},
     [](const Name& name) {
         return whole(name, NameRule::TooLong, name.chars.size() > layoutNameMaxLength);
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
        if (auto fault = rule.fault(decodedName))
            return fault;
    }
    return std::nullopt;
}

std::optional<NameFault> powerLogicNameFault(std::string_view name) {
    if (name.empty())
        return NameFault{NameRule::Empty, 0, 0, 0};
    const auto found = std::find_if(name.begin(), name.end(), isBlankOrControlByte);
    if (found == name.end())
        return std::nullopt;
    return NameFault{NameRule::BlankOrControl, static_cast<unsigned char>(*found),
                     static_cast<std::size_t>(found - name.begin()), name.size()};
}

} // namespace sequate::host
