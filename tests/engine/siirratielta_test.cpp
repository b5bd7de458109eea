// Moving names out of the way before a pass over all components.

#include "engine/passstop.h"
#include "engine/siirratielta.h"
#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

using Names = std::vector<std::string>;

struct Moved {
    Names oldNames;
    Names newNames;
    Names after;
};

Moved moveOutOfTheWay(const Names& names, const std::string& start) {
    std::vector<host::sim::ComponentData> parts;
    for (const std::string& name : names)
        parts.push_back(part(name));
    Session session(document(parts));
    session.window.controls.startText = start;
    session.state.tallennakaikki();
    PassJournal journal;
    SiirraTielta(session.state, session.window, journal);
    return {session.state.oldNames, session.state.newNames, session.names()};
}

TEST(SiirraTielta, MovesEveryNumberInRangeAboveTheHighest) {
    const struct {
        Names names;
        std::string start;
        Names oldNames;
        Names newNames;
    } cases[] = {
        {{"R1", "R2", "C1", "U5"}, "1", {"R1", "R2", "C1", "U5"}, {"R7", "R8", "C9", "U10"}},
        {{"R1", "R20"}, "1", {"R1"}, {"R22"}},
        // start + count is moved, one above it is not
        {{"R3", "R4"}, "1", {"R3"}, {"R6"}},
        // no number part reads as 0: moved only from a start of 0 or less
        {{"r12", "R5"}, "1", {}, {}},
        {{"r12", "R5"}, "0", {"r12"}, {"6"}},
        // a name ending in a letter is never moved
        {{"U1A", "R"}, "0", {}, {}},
        {{"R007", "C2"}, "1", {"C2"}, {"C9"}},
        // Few numbers, many components: the temporary numbers start above every number the
        // pass hands out (up to start + count - 1), or the walk would meet them.
        {{"r1", "r2", "r3", "1"}, "1", {"1"}, {"5"}},
        {{"U0", "U00", "U000", "U1"}, "1", {"U1"}, {"U5"}},
        // Below a start of 0 they must still lie above the highest number in use.
        {{"R0", "R1", "R2", "R4", "R5"}, "-3", {"R0", "R1", "R2"}, {"R6", "R7", "R8"}},
    };
    for (const auto& c : cases) {
        const Moved moved = moveOutOfTheWay(c.names, c.start);
        EXPECT_EQ(moved.oldNames, c.oldNames) << c.names.front();
        EXPECT_EQ(moved.newNames, c.newNames) << c.names.front();
    }
}

TEST(SiirraTielta, StopsBeforeATemporaryNumberLeavesSixteenBits) {
    Session session(document({part("R1"), part("R32767")}));
    session.window.controls.startText = "1";
    session.state.tallennakaikki();
    PassJournal journal;
    EXPECT_THROW(SiirraTielta(session.state, session.window, journal), PassStop);
    EXPECT_EQ(journal.size(), 0u);
}

} // namespace
} // namespace sequate::engine::testing
