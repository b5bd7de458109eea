// What the preview and the report say about a plan: net renames, kept names and why, counts
// per letter code.

#include "ui/passsummary.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

TEST(PassSummary, NetRenamesKeptNamesAndCountsPerCode) {
    // R5 goes by way of R11 to R1; R2 is planned to its own name; C7 is not numbered; R3 is
    // moved out of the way and back, so it keeps its name and is not counted as going by way
    // of a temporary name.
    const std::vector<std::string> names{"R5", "U1A", "R2", "C7", "C1", "R3"};
    engine::PassPlan plan;
    using engine::ComponentIndex;
    plan.renames = {{ComponentIndex(0), "R5", "R11"}, {ComponentIndex(2), "R2", "R2"},
                    {ComponentIndex(0), "R11", "R1"}, {ComponentIndex(4), "C1", "C2"},
                    {ComponentIndex(5), "R3", "R12"}, {ComponentIndex(5), "R12", "R3"}};
    plan.walk = {0, 1, 2, 4, 5};
    plan.unnamed = {"U1A"};
    const PassSummary summary = summarize(names, plan);
    EXPECT_EQ(summary.renamed, (std::vector<NameRow>{{"R5", "R1", ""}, {"C1", "C2", ""}}));
    EXPECT_EQ(summary.kept, (std::vector<NameRow>{{"U1A", "U1A", "ends in a letter"},
                                                  {"R2", "R2", "already has its name"},
                                                  {"C7", "C7", "not selected"},
                                                  {"R3", "R3", "already has its name"}}));
    EXPECT_EQ(summary.perCode, (std::vector<CodeCount>{{"C", 1, 1}, {"R", 1, 2}, {"U", 0, 1}}));
    EXPECT_EQ(summary.throughTemporary, 1u);
}

} // namespace
} // namespace sequate::ui
