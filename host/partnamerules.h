#pragma once

// The rules a part name must keep, in one place: the layout's, which the ECO writer checks
// before it writes a rename and PowerPCB checks when it reads one, and PowerLogic's looser
// rule for SetName. Names are UTF-8 in memory.
//
// The layout's rules: what the ECO file can carry (ISO 8859-1 without control characters, one
// blank between the two names of a rename line, "*" only at the start of a keyword line), and
// what PowerPCB takes for a part name (at most 15 characters, none of , { } * ? . & and none
// of the characters that its netlist reader refuses in a name, ` : ^ [ ] $ ( ) @ = \).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sequate::host {

inline constexpr std::size_t layoutNameMaxLength = 15;

// One of the layout's rules, for a test to prove that the writer and the reader keep each.
struct PartNameRule {
    std::string_view label;  // such as "TooLong"
    std::string_view sample; // a name whose first broken rule is this one
    bool encodingOnly;       // an ISO 8859-1 file cannot hold such a name at all
};

// The layout's rules in the order they are applied.
const std::vector<PartNameRule>& layoutNameRules();

// The first rule of the layout's that the name breaks, and why, the name itself left out:
// "contains a blank", "is 17 characters long; the layout takes at most 15".
struct NameFault {
    std::string_view rule; // its label
    std::string reason;
};
std::optional<NameFault> layoutNameFault(std::string_view name);

// Why the layout cannot carry the name, the name in front, such as "\"TESTPOINTPAD32000\" is
// 17 characters long; the layout takes at most 15"; empty when it can. For a name planned
// before it is given, so that no rename is made that the layout would refuse.
std::string layoutNameProblem(const std::string& name);

// Why PowerLogic's SetName refuses the name on its own merits: empty, a blank or a control
// character; empty when it takes the name.
std::string schematicNameProblem(const std::string& name);

} // namespace sequate::host
