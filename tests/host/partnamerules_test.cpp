#include "host/partnamewords.h"

#include <gtest/gtest.h>
#include <string>

namespace sequate::host {
namespace {

TEST(PartNameRules, EachSampleBreaksItsOwnRuleFirst) {
    for (const PartNameRule& rule : layoutNameRules())
        EXPECT_EQ(layoutNameFault(rule.sample).value_or(NameFault{}).rule, rule.rule) << rule.label;
}

// Which of the two takes the name: the layout takes no name that PowerLogic refuses. U+00FF is
// the last character of ISO 8859-1, U+0100 the first beyond it; fifteen characters, Ä two bytes
// of them; a lone byte that is not UTF-8. The control characters end at U+007F and U+009F, and
// PowerLogic's at 0x20 and 0x7F.
TEST(PartNameRules, TheLayoutIsStricterThanPowerLogic) {
    const auto takers = [](const std::string& name) -> std::string {
        const bool layout = !layoutNameFault(name);
        const bool powerLogic = !powerLogicNameFault(name);
        return layout && powerLogic ? "both"
               : powerLogic         ? "PowerLogic"
               : layout             ? "layout"
                                    : "neither";
    };
    for (const char* name : {"R1", "R-1_a/2#%+!~'\"<", "R\xC3\xBF", "TESTPOINTPAD\xC3\x84\x31\x32",
                             "R\x7E", "R\xC2\xA1"})
        EXPECT_EQ(takers(name), "both") << name;
    for (const char* name : {"R\xC4\x80", "TESTPOINTPAD1234", "U1.A", "*U1", "\xCE\xA9\x31",
                             "R\xC4", "R\xC2\x80", "R\xC2\x9F", "R\xC2\xA0\x31"})
        EXPECT_EQ(takers(name), "PowerLogic") << name;
    for (const char* name : {"R 1", "R\t1", "R\x7F", "\x1F", "!\x20", ""})
        EXPECT_EQ(takers(name), "neither") << name;
}

// The characters PowerPCB refuses in a part name, written out here rather than taken from the
// rules, so that a character dropped from them is caught.
TEST(PartNameRules, TheLayoutRefusesEachForbiddenCharacter) {
    for (const char forbidden : std::string(" ,{}*?.&`:^[]$()@=\\")) {
        const std::string name = std::string("R") + forbidden + "1";
        EXPECT_EQ(layoutNameFault(name).value_or(NameFault{}).character, char32_t(forbidden))
            << name;
    }
}

// A fault is told from its value: which character, where, how long the name is. The reader's
// refusals show the length's and the layout character's words.
TEST(PartNameRules, EachFaultIsToldInItsOwnWords) {
    const struct {
        std::string name, problem;
    } cases[] = {
        {"J1[2]",
         "\"J1[2]\" contains \"[\", which PowerPCB's netlists do not allow in a part name"},
        {"\xC3\x84\xC2\x9F", "\"\xC3\x84\xC2\x9F\" contains a control character (U+009F)"},
        {"R\xC4\x80", "\"R\xC4\x80\" contains the character U+0100, which the ECO file's encoding, "
                      "ISO 8859-1, cannot carry"},
        {"*R1", "\"*R1\" begins with \"*\", which PowerPCB would read as a section keyword"},
        {"R\xC4", "\"R\xC4\" is not valid UTF-8"}};
    for (const auto& c : cases)
        EXPECT_EQ(layoutNameProblem(c.name), c.problem);
    EXPECT_EQ(layoutNameFault("\xC3\x84\xC2\x9F"), (NameFault{NameRule::Control, 0x9F, 1, 2}));
    EXPECT_EQ(powerLogicNameProblem(""), "the new name is empty");
    EXPECT_EQ(powerLogicNameProblem("R\x7F"), "\"R\x7F\" contains a blank or control character");
    EXPECT_EQ(powerLogicNameFault("AB C"), (NameFault{NameRule::BlankOrControl, ' ', 2, 4}));
}

} // namespace
} // namespace sequate::host
