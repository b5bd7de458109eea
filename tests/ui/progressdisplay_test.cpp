// The pass's progress on its way to a view: the bar's numbers as a view can draw them, and the
// window's turn between the steps, at most once an interval.

#include "ui/eventpump.h"
#include "ui/progressdisplay.h"

#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

// One component (a total of 0) or none (-1) is drawn empty; what does not fit an int is cut.
TEST(ProgressDisplay, DrawsWhatFits) {
    const struct {
        long long done, total;
        int maximum, value;
    } cases[] = {{7, 19, 19, 7}, {0, 0, 1, 0},  {0, -1, 1, 0},
                 {9, 4, 4, 4},   {-2, 4, 4, 0}, {3, 5000000000LL, 2147483647, 3}};
    for (const auto& c : cases) {
        const ui::BarPosition drawn = ui::barPosition(c.done, c.total);
        EXPECT_EQ(std::pair(drawn.maximum, drawn.value), std::pair(c.maximum, c.value)) << c.total;
    }
}

// The interval counts from the end of the window's last turn; a pass's start gives it at once.
TEST(EventPump, GivesTheWindowItsTurnAtMostOnceAnInterval) {
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point now{};
    int turns = 0;
    ui::EventPump pump([&] { ++turns, now += 5ms; }, [&] { return now; });
    const struct {
        std::chrono::milliseconds later;
        bool restart;
        int turns;
    } steps[] = {{0ms, false, 1}, {29ms, false, 1}, {1ms, false, 2},
                 {1ms, true, 3},  {0ms, false, 3},  {31ms, false, 4}};
    for (const auto& step : steps) {
        now += step.later;
        if (step.restart)
            pump.restart();
        pump.pump();
        EXPECT_EQ(turns, step.turns) << step.later.count();
    }
}

} // namespace
} // namespace sequate::testing
