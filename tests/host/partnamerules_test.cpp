#include "host/partnamerules.h"

#include <gtest/gtest.h>
#include <string>

namespace sequate::host {
namespace {

TEST(PartNameRules, EachSampleBreaksItsOwnRuleFirst) {
    for (const PartNameRule& rule : layoutNameRules()) {
        const auto fault = layoutNameFault(rule.sample);
        ASSERT_TRUE(fault) << rule.label;
        EXPECT_EQ(fault->rule, rule.label);
    }
}

// The ECO reader's refusals show the other rules' texts.
TEST(PartNameRules, TheProblemNamesTheNameAndTheRule) {
    EXPECT_EQ(layoutNameProblem("J1[2]"),
              "\"J1[2]\" contains \"[\", which PowerPCB's netlists do not allow in a part name");
}

// Which of the two takes the name: the layout takes no name that the schematic refuses.
std::string takers(const std::string& name) {
    const bool layout = layoutNameProblem(name).empty();
    const bool schematic = schematicNameProblem(name).empty();
    return layout && schematic ? "both" : schematic ? "schematic" : layout ? "layout" : "neither";
}

TEST(PartNameRules, TheLayoutIsStricterThanTheSchematic) {
    // U+00FF is the last character of ISO 8859-1, U+0100 the first beyond it; fifteen
    // characters, Ä two bytes of them; a lone byte that is not UTF-8.
    // The control characters end at U+007F and U+009F.
    for (const char* name :
         {"R1", "R-1_a/2#%+!~'\"<", "R\xC3\xBF", "TESTPOINTPAD\xC3\x84\x31\x32", "R\xC2\xA1"})
        EXPECT_EQ(takers(name), "both") << name;
    for (const char* name : {"R\xC4\x80", "TESTPOINTPAD1234", "U1.A", "*U1", "R\xC2\xA0\x31",
                             "\xCE\xA9\x31", "R\xC4", "R\xC2\x80", "R\xC2\x9F"})
        EXPECT_EQ(takers(name), "schematic") << name;
    for (const char* name : {"R 1", "R\t1", "R\x7F", ""})
        EXPECT_EQ(takers(name), "neither") << name;
}

// The characters PowerPCB refuses in a part name, written out here rather than taken from the
// rules, so that a character dropped from them is caught.
TEST(PartNameRules, TheLayoutRefusesEachForbiddenCharacter) {
    for (const char forbidden : std::string(" ,{}*?.&`:^[]$()@=\\")) {
        const std::string name = std::string("R") + forbidden + "1";
        EXPECT_FALSE(layoutNameProblem(name).empty()) << name;
    }
}

} // namespace
} // namespace sequate::host
