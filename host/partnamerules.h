#pragma once

// The rules a part name must keep, in one place: the layout's, which the ECO writer checks
// before it writes a rename and PowerPCB checks when it reads one, and PowerLogic's looser
// rule for SetName. Names are UTF-8 in memory. A check answers which rule a name breaks and
// where, never in words: partnamewords.h words it for the place that tells it.
//
// The layout's rules: what the ECO file can carry (ISO 8859-1 without control characters, one
// blank between the two names of a rename line, "*" only at the start of a keyword line), and
// what PowerPCB takes for a part name (at most 15 characters, none of , { } * ? . & and none
// of the characters that its netlist reader refuses in a name, ` : ^ [ ] $ ( ) @ = \).

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace sequate::host {

inline constexpr std::size_t layoutNameMaxLength = 15;

// Each rule a name can break: the layout's in the order they are applied, then PowerLogic's.
enum class NameRule {
    Empty,
    NotUtf8,
    KeywordStart,     // begins with "*"
    Blank,            // a blank or a no-break space
    Control,          // U+0000..U+001F or U+007F..U+009F
    BeyondLatin1,     // above U+00FF
    LayoutCharacter,  // one of , { } * ? . &
    NetlistCharacter, // one of ` : ^ [ ] $ ( ) @ = \ (backslash)
    TooLong,          // more than layoutNameMaxLength characters
    BlankOrControl,   // PowerLogic's: a byte up to 0x20, or 0x7F
};

// The first rule a name breaks, and where.
struct NameFault {
    NameRule rule = NameRule::Empty;
    // The first character that breaks it, for the rules about characters: a code point of the
    // layout's rules, a byte of PowerLogic's.
    char32_t character = 0;
    std::size_t position = 0; // that character's place from 0, counted as `character` is
    std::size_t length = 0;   // the name's length, counted so too (as far as it is UTF-8)

    bool operator==(const NameFault&) const = default;
};

// One of the layout's rules, for a test to prove that the writer and the reader keep each.
struct PartNameRule {
    NameRule rule;
    std::string_view label;  // such as "TooLong"
    std::string_view sample; // a name whose first broken rule is this one
    bool encodingOnly;       // an ISO 8859-1 file cannot hold such a name at all
};

// The layout's rules in the order they are applied.
const std::vector<PartNameRule>& layoutNameRules();

// The first of the layout's rules that the name breaks; empty when the layout can carry it.
std::optional<NameFault> layoutNameFault(std::string_view name);

// Why PowerLogic's SetName refuses the name on its own merits (Empty or BlankOrControl); empty
// when it takes the name.
std::optional<NameFault> powerLogicNameFault(std::string_view name);

} // namespace sequate::host
