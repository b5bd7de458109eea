// Putting names back after a pass that cannot finish, and telling what stays when PowerLogic
// will not take a name back.

#include "engine/undolist.h"
#include "session.h"

#include <gtest/gtest.h>

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

TEST(UndoList, UndoPutsEveryNameBackNewestFirst) {
    JournalSession session({"R7", "R8"});
    session.rename(1, "R9");
    session.rename(2, "R7");
    session.rename(1, "R8");
    const UndoReport undo = session.renames.undo();
    EXPECT_TRUE(undo.complete);
    EXPECT_TRUE(undo.stillInEffect.empty());
    EXPECT_EQ(session.names(), (Names{"R7", "R8"}));
}

TEST(UndoList, WhatStaysAreTheRenamesStillInEffect) {
    const struct {
        const char* about;
        Names names;
        std::vector<std::pair<std::int32_t, std::string>> renames;
        Records stillInEffect;
        Names after;
    } cases[] = {
        {"a later rename cannot be undone, but an older one of the same component puts it back",
         // The holder X moves to C4, then on to C5; D (a name two components carry) takes C4
         // and cannot have D back, so C5 cannot have C4 back, but X can be put back from C5.
         {"X", "D", "D"},
         {{1, "C4"}, {1, "C5"}, {2, "C4"}},
         {renameOf(1, "D", "C4")},
         {"X", "C4", "D"}},
        {"no rename of a component can be undone: all of them stay, in the order made",
         {"D", "D", "E", "E"},
         {{1, "C4"}, {1, "C5"}, {3, "C4"}},
         {renameOf(0, "D", "C4"), renameOf(0, "C4", "C5"), renameOf(2, "E", "C4")},
         {"C5", "D", "C4", "E"}},
        {"putting back the oldest rename of a component clears its whole chain of later ones",
         // X goes A, B, C, E; the twins P and Q then take C and B and cannot be put back, so
         // neither can X's later renames, until X's first one puts it back to A.
         {"A", "P", "P", "Q", "Q"},
         {{1, "B"}, {1, "C"}, {1, "E"}, {2, "C"}, {4, "B"}},
         {renameOf(1, "P", "C"), renameOf(3, "Q", "B")},
         {"A", "C", "P", "B", "Q"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.about);
        JournalSession session(c.names);
        for (const auto& [index, name] : c.renames)
            session.rename(index, name);
        const UndoReport undo = session.renames.undo();
        EXPECT_FALSE(undo.complete);
        EXPECT_EQ(undo.stillInEffect, c.stillInEffect);
        EXPECT_EQ(session.names(), c.after);
    }
}

TEST(UndoList, ARefusalThatAnOlderUndoMadeGoodIsNoFailure) {
    JournalSession session({"X"});
    session.rename(1, "C4");
    session.rename(1, "C5");
    session.logic.failCall(1, host::HostCode::Failed); // C5 back to C4
    const UndoReport undo = session.renames.undo();
    EXPECT_TRUE(undo.complete) << undo.failure;
    EXPECT_TRUE(undo.stillInEffect.empty());
    EXPECT_EQ(session.names(), Names{"X"});
}

// A host that has stopped answering would make every further try wait out the whole timeout.
TEST(UndoList, UndoStopsTryingOnceTheHostNoLongerAnswers) {
    for (const host::HostCode lost : {host::HostCode::Timeout, host::HostCode::ServerUnavailable}) {
        JournalSession session({"R7", "R8", "R9"});
        session.rename(1, "R1");
        session.rename(2, "R2");
        session.rename(3, "R3");
        session.logic.failCall(1, lost);
        const std::uint64_t callsBefore = session.logic.callCount();
        const UndoReport undo = session.renames.undo();
        EXPECT_EQ(session.logic.callCount() - callsBefore, 1u);
        EXPECT_FALSE(undo.complete);
        EXPECT_TRUE(undo.hostLost);
        EXPECT_EQ(undo.stillInEffect, (Records{renameOf(0, "R7", "R1"), renameOf(1, "R8", "R2"),
                                               renameOf(2, "R9", "R3")}));
    }
}

TEST(UndoList, AnOrdinaryRefusalLetsTheOlderRenamesBeTried) {
    JournalSession session({"R7", "R8"});
    session.rename(1, "R1");
    session.rename(2, "R2");
    session.logic.failCall(1, host::HostCode::RenameRefused);
    const UndoReport undo = session.renames.undo();
    EXPECT_FALSE(undo.hostLost);
    EXPECT_EQ(undo.stillInEffect, (Records{renameOf(1, "R8", "R2")}));
    EXPECT_EQ(session.names(), (Names{"R7", "R2"}));
}

} // namespace
} // namespace sequate::engine::testing
