// Start-up and the open-document handler: each way through, as its outcome and what it set in
// the window. The words of the outcomes that end the program are ui/'s (dialogtexts).

#include "engine/passstop.h"
#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

using host::HostCode;
using Shown = std::vector<std::pair<DocumentCaption, std::string>>;
using Outcome = StartupOutcome;
using Caption = DocumentCaption;

TEST(FormLoad, EachWayThroughStartUp) {
    const struct {
        const char* what;
        std::vector<host::sim::DocumentData> documents;
        std::uint64_t failingCall; // 0: none
        StartupOutcome outcome;
        Shown shown;
        const char* startText;
    } cases[] = {
        {"no PowerLogic", {}, 0, Outcome::PowerLogicNotRunning, {}, ""},
        {"no components", {document({})}, 0, Outcome::NoProject, {}, ""},
        {"a document",
         {document({part("R1"), part("C1")})},
         0,
         Outcome::Running,
         {{Caption::Started, "amp.sch"}},
         "1"},
        // The old program's trap: any other code skips the rest, and says nothing.
        {"another failure", {document({part("R1")})}, 2, Outcome::Running, {}, ""},
        {"no current document", {document({part("R1")})}, 1, Outcome::Running, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host::sim::SimPowerLogic logic(c.documents);
        host::sim::SimRunningObjects objects(c.documents.empty() ? nullptr : &logic, nullptr);
        if (c.failingCall)
            logic.failCall(c.failingCall, HostCode::Failed);
        HostSession state;
        engine::HeadlessWindow window;
        EXPECT_EQ(startUp(state, window, objects), c.outcome);
        EXPECT_EQ(window.documentsShown, c.shown);
        EXPECT_EQ(window.startText, c.startText);
        EXPECT_TRUE(window.topmost);
        EXPECT_TRUE(window.messages.empty());
        if (c.failingCall == 1) { // Run without a document stops with a message
            const auto result = pressRun(state, window.ports(), allComponentsRequest("1"));
            ASSERT_TRUE(result && problemOf(*result));
            EXPECT_EQ(problemOf(*result)->rule, Problem::Rule::NotAttached);
            EXPECT_EQ(logic.openNames(), std::vector<std::string>{"R1"});
        }
    }
    // "No project" from any of the calls that probe the document ends the program.
    for (std::uint64_t call = 1; call <= 6; ++call) {
        host::sim::SimPowerLogic logic({document({part("R1")})});
        host::sim::SimRunningObjects objects(&logic, nullptr);
        logic.failCall(call, HostCode::NoProject);
        HostSession state;
        engine::HeadlessWindow window;
        EXPECT_EQ(startUp(state, window, objects), StartupOutcome::NoProject) << call;
    }
}

// PowerLogic giving no object is no host failure: it is left to the caller's firewall, which
// tells it, instead of being swallowed.
TEST(FormLoad, NoObjectIsLeftToTheFirewall) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    logic.answerNoObjectAtCall(1);
    HostSession state;
    engine::HeadlessWindow window;
    EXPECT_THROW(startUp(state, window, objects), PassStop);
}

TEST(FormLoad, WorkingListIsTheSelectionOnlyWhenTwoOrMoreAreSelected) {
    const struct {
        std::vector<bool> selected;
        int expectedCount;
    } cases[] = {{{false, false, false}, 3}, {{false, true, false}, 3}, {{true, false, true}, 2}};
    for (const auto& c : cases) {
        std::vector<host::sim::ComponentData> parts;
        for (std::size_t i = 0; i < c.selected.size(); ++i)
            parts.push_back(part("R" + std::to_string(i + 1), c.selected[i]));
        Session session(document(parts));
        EXPECT_EQ(session.state.workList->Count(), c.expectedCount);
    }
}

// The caption names the document before its components are looked at, as the old program did.
TEST(OpenDocument, EachWayThroughTakingUpTheNewDocument) {
    const struct {
        const char* what;
        host::sim::DocumentData opened;
        std::uint64_t failingCall; // 0: none
        HostCode code;
        StartupOutcome outcome;
        Shown shown;
    } cases[] = {
        {"a document",
         document({part("C1"), part("C2")}, "psu.sch"),
         0,
         HostCode::Failed,
         Outcome::Running,
         {{Caption::Opening, "psu.sch"}, {Caption::Opened, "psu.sch"}}},
        {"no components",
         document({}, "empty.sch"),
         0,
         HostCode::Failed,
         Outcome::NoProject,
         {{Caption::Opening, "empty.sch"}}},
        {"PowerLogic gone",
         document({part("C1")}, "psu.sch"),
         1,
         HostCode::NotRunning,
         Outcome::PowerLogicNotRunning,
         {}},
        {"another failure",
         document({part("C1")}, "psu.sch"),
         2,
         HostCode::Timeout,
         Outcome::Running,
         {{Caption::Opening, "psu.sch"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session session({document({part("R1")}), c.opened});
        session.window.documentsShown.clear();
        session.window.allComponentsChosen = true;
        session.logic.openDocument(1);
        if (c.failingCall)
            session.logic.failCall(c.failingCall, c.code);
        EXPECT_EQ(takeUpOpenedDocument(session.state, session.window), c.outcome);
        EXPECT_EQ(session.window.documentsShown, c.shown);
        EXPECT_EQ(session.window.allComponentsChosen, c.shown.empty());
        EXPECT_TRUE(session.window.messages.empty());
    }
}

} // namespace
} // namespace sequate::engine::testing
