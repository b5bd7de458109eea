// The progress bar's range at the start of a pass and its steps.

#include "engine/progress.h"
#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

std::vector<host::sim::ComponentData> parts(int count, const std::vector<int>& selected) {
    std::vector<host::sim::ComponentData> result;
    for (int i = 0; i < count; ++i)
        result.push_back(part("R" + std::to_string(100 + i), false, i, 0));
    for (int index : selected)
        result[index].selected = true;
    return result;
}

// The bar counts the components read, then the renames made, and is empty at the end.
TEST(Progress, CountsTheReadThenTheRenames) {
    Session session(document({part("R7"), part("R1"), part("R2")}));
    session.runAll();
    // Three names read; R7 to R1, R1 to R2 and R2 to R3 made without temporary names.
    EXPECT_EQ(session.window.progressBar().history(),
              (std::vector<long long>{0, 1, 2, 3, 0, 1, 2, 3, 0}));
}

TEST(Progress, ReadsThenEmptiesWhenNothingIsSelected) {
    Session session(document(parts(3, {})));
    session.runSelected();
    EXPECT_EQ(session.window.progressBar().history(), (std::vector<long long>{0, 1, 2, 3, 0}));
}

TEST(Progress, StepHoldsAtTheMaximum) {
    engine::HeadlessProgressBar bar;
    bar.setMaximum(0);
    stepProgress(bar);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_TRUE(bar.history().empty());
}

} // namespace
} // namespace sequate::engine::testing
