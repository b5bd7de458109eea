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

TEST(Progress, RangeFollowsTheModeAndTheSelection) {
    const struct {
        int count;
        std::vector<int> selected;
        bool selectedMode;
        long long maximum;
    } cases[] = {
        {6, {2}, true, 1}, {6, {0, 1, 2, 3, 5}, true, 4}, {20, {}, false, 19},
        {1, {}, false, 0}, {20, {4}, false, 19},
    };
    for (const auto& c : cases) {
        Session session(document(parts(c.count, c.selected)));
        session.window.controls = c.selectedMode ? tools::Controls::selectedComponents("1", false)
                                                 : tools::Controls::allComponents("1");
        AlustaProgressBar(session.state, session.window);
        EXPECT_EQ(session.window.prgbarEdistys().minimum(), 0);
        EXPECT_EQ(session.window.prgbarEdistys().maximum(), c.maximum) << c.count;
        EXPECT_EQ(HowManySelected(session.state), static_cast<long long>(c.selected.size()));
    }
}

TEST(Progress, StopsAtTheMaximumAndEmptiesAtTheEnd) {
    Session session(document(parts(20, {})));
    session.runAll();
    std::vector<long long> expected;
    for (long long value = 1; value <= 19; ++value)
        expected.push_back(value);
    expected.push_back(0);
    EXPECT_EQ(session.window.prgbarEdistys().history(), expected);
}

TEST(Progress, NotSetUpWhenNothingIsSelected) {
    Session session(document(parts(3, {})));
    session.window.prgbarEdistys().setMaximum(42);
    session.runSelected();
    EXPECT_EQ(session.window.prgbarEdistys().maximum(), 42);
    EXPECT_EQ(session.window.prgbarEdistys().history(), (std::vector<long long>{0}));
}

TEST(Progress, StepHoldsAtTheMaximum) {
    tools::HeadlessProgressBar bar;
    bar.setMaximum(0);
    stepProgress(bar);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_TRUE(bar.history().empty());
}

} // namespace
} // namespace sequate::engine::testing
