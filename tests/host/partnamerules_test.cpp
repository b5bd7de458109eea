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

TEST(PartNameRules, TheProblemNamesTheNameAndTheRule) {
    EXPECT_EQ(layoutNameProblem("TESTPOINTPAD32000"),
              "\"TESTPOINTPAD32000\" is 17 characters long; the layout takes at most 15");
    EXPECT_EQ(layoutNameProblem("U1.A"),
              "\"U1.A\" contains \".\", which the layout does not allow in a part name");
    EXPECT_EQ(layoutNameProblem("J1[2]"),
              "\"J1[2]\" contains \"[\", which PowerPCB's netlists do not allow in a part name");
}

struct Accepted {
    const char* name;
    bool byLayout;
    bool bySchematic;
};

class PartNameRulesSides : public ::testing::TestWithParam<Accepted> {};

TEST_P(PartNameRulesSides, TheLayoutIsStricterThanTheSchematic) {
    const Accepted& c = GetParam();
    EXPECT_EQ(layoutNameProblem(c.name).empty(), c.byLayout);
    EXPECT_EQ(schematicNameProblem(c.name).empty(), c.bySchematic);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PartNameRulesSides,
    ::testing::Values(Accepted{"R1", true, true},
                      // The last character of ISO 8859-1, U+00FF, and the first beyond it.
                      Accepted{"R\xC3\xBF", true, true}, Accepted{"R\xC4\x80", false, true},
                      // Fifteen characters, the Ä two bytes of them in UTF-8.
                      Accepted{"TESTPOINTPAD\xC3\x84"
                               "12",
                               true, true},
                      Accepted{"TESTPOINTPAD1234", false, true},
                      Accepted{"R-1_a/2#%+!~'\"<", true, true}, Accepted{"U1.A", false, true},
                      Accepted{"*U1", false, true},
                      Accepted{"R\xC2\xA0"
                               "1",
                               false, true},
                      Accepted{"\xCE\xA9"
                               "1",
                               false, true},
                      Accepted{"R\xC4", false, true}, Accepted{"R 1", false, false},
                      Accepted{"R\t1", false, false}, Accepted{"", false, false}));

} // namespace
} // namespace sequate::host
