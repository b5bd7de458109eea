// Putting names back after a pass that cannot finish, and telling what stays when PowerLogic
// will not take a name back.

#include "engine/undolist.h"
#include "session.h"

#include <gtest/gtest.h>
#include <optional>

namespace sequate::engine::testing {
namespace {

using Names = std::vector<std::string>;
using Records = std::vector<Rename>;

struct JournalSession : Session {
    UndoList renames;

    explicit JournalSession(const Names& names) : Session(document(parts(names))) {}

    static std::vector<host::sim::ComponentData> parts(const Names& names) {
        std::vector<host::sim::ComponentData> result;
        for (const std::string& name : names)
            result.push_back(part(name));
        return result;
    }

    // Renames the i-th component (from 1) as a pass does, and lists it for undoing.
    void rename(std::int32_t i, const std::string& newName) {
        auto component = state.document->ComponentSet()->Objects()->Item(i);
        const std::string before = component->Name();
        component->SetName(newName);
        renames.add(component, renameOf(static_cast<std::size_t>(i - 1), before, newName));
    }
};

// Newest first; a rename the host will not undo stays, and the older ones are still tried,
// unless the host no longer answers: each further try would wait out the whole timeout.
TEST(UndoList, UndoPutsBackWhatItCanAndTellsWhatStays) {
    using host::HostCode;
    const struct {
        Names names;
        std::vector<std::pair<std::int32_t, std::string>> renames;
        std::optional<std::pair<std::uint64_t, HostCode>> failing; // the undo's call, from 1
        bool hostLost;
        Records stillInEffect;
        Names after;
    } cases[] = {
        // Every name back, newest first.
        {{"R7", "R8"}, {{1, "R9"}, {2, "R7"}, {1, "R8"}}, {}, false, {}, {"R7", "R8"}},
        // The holder X moves to C4, then on to C5; D (a name two components carry) takes C4 and
        // cannot have D back, so C5 cannot have C4 back, but X can be put back from C5.
        {{"X", "D", "D"},
         {{1, "C4"}, {1, "C5"}, {2, "C4"}},
         {},
         false,
         {renameOf(1, "D", "C4")},
         {"X", "C4", "D"}},
        // No rename of a component can be undone: all of them stay, in the order made.
        {{"D", "D", "E", "E"},
         {{1, "C4"}, {1, "C5"}, {3, "C4"}},
         {},
         false,
         {renameOf(0, "D", "C4"), renameOf(0, "C4", "C5"), renameOf(2, "E", "C4")},
         {"C5", "D", "C4", "E"}},
        // X goes A, B, C, E; the twins P and Q then take C and B and cannot be put back, so
        // neither can X's later renames, until X's first one puts it back to A.
        {{"A", "P", "P", "Q", "Q"},
         {{1, "B"}, {1, "C"}, {1, "E"}, {2, "C"}, {4, "B"}},
         {},
         false,
         {renameOf(1, "P", "C"), renameOf(3, "Q", "B")},
         {"A", "C", "P", "B", "Q"}},
        // A refusal that an older undo made good is no failure.
        {{"X"}, {{1, "C4"}, {1, "C5"}}, std::pair(1u, HostCode::Failed), false, {}, {"X"}},
        // An ordinary refusal lets the older renames be tried; a host timed out or gone is not
        // tried again.
        {{"R7", "R8"},
         {{1, "R1"}, {2, "R2"}},
         std::pair(1u, HostCode::RenameRefused),
         false,
         {renameOf(1, "R8", "R2")},
         {"R7", "R2"}},
        {{"R7", "R8"},
         {{1, "R1"}, {2, "R2"}},
         std::pair(1u, HostCode::Timeout),
         true,
         {renameOf(0, "R7", "R1"), renameOf(1, "R8", "R2")},
         {"R1", "R2"}},
        {{"R7", "R8"},
         {{1, "R1"}, {2, "R2"}},
         std::pair(1u, HostCode::ServerUnavailable),
         true,
         {renameOf(0, "R7", "R1"), renameOf(1, "R8", "R2")},
         {"R1", "R2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        JournalSession session(c.names);
        for (const auto& [index, name] : c.renames)
            session.rename(index, name);
        if (c.failing)
            session.logic.failCall(c.failing->first, c.failing->second);
        const UndoReport undo = session.renames.undo();
        EXPECT_EQ(undo.complete, c.stillInEffect.empty());
        EXPECT_EQ(undo.hostLost, c.hostLost);
        EXPECT_EQ(undo.stillInEffect, c.stillInEffect);
        EXPECT_EQ(session.names(), c.after);
    }
}

} // namespace
} // namespace sequate::engine::testing
