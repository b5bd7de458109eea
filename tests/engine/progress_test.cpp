// The progress a pass tells at its start and at its steps (a pass's read and renames,
// counted on the account line: mainwindowlogic).

#include "engine/passstop.h"
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

TEST(Progress, ReadsThenEmptiesWhenNothingIsSelected) {
    Session session(document(parts(3, {})));
    session.runSelected();
    EXPECT_EQ(session.window.progressBar().history(), (std::vector<long long>{0, 1, 2, 3, 0}));
}

// By position, each position read is a step of the read too, and Stop is heard among them.
TEST(Progress, PositionsReadByPositionAreStepsAStopIsHeardAmong) {
    PassRequest request = allComponentsRequest("1");
    request.order = WalkOrder::AcrossThenDown;
    for (const bool stop : {false, true}) {
        Session session(document(parts(3, {})));
        if (stop)
            session.window.progressBar().stopOnceSet = 5; // 0, three names, one position
        const PassOutcome result = *session.run(request);
        const auto& history = session.window.progressBar().history();
        ASSERT_GE(history.size(), 5u);
        EXPECT_EQ(std::vector<long long>(history.begin(), history.begin() + 5),
                  (std::vector<long long>{0, 1, 2, 3, 4}));
        EXPECT_EQ(completed(result), !stop);
        if (!stop) {
            EXPECT_EQ(history[6], 6);
        }
    }
}

// A phase of no steps is told once, and its step leaves it as it is; the stop is still heard.
TEST(Progress, AFullPhaseStaysFullAndStillHearsTheStop) {
    HeadlessProgress progress;
    progress.stopOnceSet = 1;
    PhaseProgress phase(progress.port(), ProgressPhase::Renaming, 0);
    EXPECT_THROW(phase.step(), StoppedByUser);
    EXPECT_EQ(progress.history(), std::vector<long long>{0});
}

} // namespace
} // namespace sequate::engine::testing
