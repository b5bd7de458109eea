// Start-up and the open-document handler: each way through, with the exact texts.

#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

using host::HostCode;
using Docs = std::vector<host::sim::DocumentData>;

constexpr const char* notRunning = "Are you sure Powerlogic is running ? ";
constexpr const char* noProject = "You must load a project before running Sequate";

// What the window shows after start-up: its caption, the start box and the one message.
struct Shown {
    StartupOutcome outcome;
    std::string caption;
    std::string startText;
    std::string message; // a critical box titled "Sequate"; empty for none
};

void expectShown(const HeadlessWindow& window, StartupOutcome outcome, const Shown& expected) {
    EXPECT_EQ(outcome, expected.outcome);
    EXPECT_EQ(window.caption, expected.caption);
    EXPECT_EQ(window.controls.startText, expected.startText);
    if (expected.message.empty()) {
        EXPECT_TRUE(window.messages.empty());
        return;
    }
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].style, MessageStyle::Critical);
    EXPECT_EQ(window.messages[0].title, "Sequate");
    EXPECT_EQ(window.messages[0].text, expected.message);
}

TEST(StartUp, EachWayThrough) {
    const auto running = StartupOutcome::Running;
    const auto ends = StartupOutcome::EndProgram;
    const struct {
        const char* what;
        Docs documents;
        std::uint64_t failingCall = 0; // from the first; 0 for none
        HostCode code = HostCode::Failed;
        Shown shown;
    } cases[] = {
        {"takes up the open document",
         {document({part("R1"), part("C1")})},
         0,
         {},
         {running, "Sequate amp.sch", "1", ""}},
        {"an unsaved document",
         {document({part("R1")}, "")},
         0,
         {},
         {running, "Sequate ", "1", ""}},
        {"no project", {}, 0, {}, {ends, "Sequate 1.4", "", noProject}},
        {"no components", {document({})}, 0, {}, {ends, "Sequate 1.4", "", noProject}},
        // Any other failure is swallowed and skips the rest: here the selection, right after
        // the current document.
        {"another failure",
         {document({part("R1")})},
         2,
         HostCode::Failed,
         {running, "Sequate 1.4", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host::sim::SimPowerLogic logic(c.documents);
        host::sim::SimRunningObjects objects(&logic, nullptr);
        if (c.failingCall)
            logic.failCall(c.failingCall, c.code);
        HostSession state;
        HeadlessWindow window;
        expectShown(window, startUp(state, window, objects), c.shown);
        EXPECT_TRUE(window.topmost);
    }
    HostSession state;
    HeadlessWindow window;
    host::sim::SimRunningObjects nothingRunning(nullptr, nullptr);
    expectShown(window, startUp(state, window, nothingRunning),
                {ends, "Sequate 1.4", "", notRunning});
    // The no-project code ends the program from whichever call of the checks gives it.
    for (std::uint64_t call = 1; call <= 6; ++call) {
        host::sim::SimPowerLogic logic({document({part("R1")})});
        host::sim::SimRunningObjects objects(&logic, nullptr);
        logic.failCall(call, HostCode::NoProject);
        HostSession state;
        HeadlessWindow window;
        EXPECT_EQ(startUp(state, window, objects), ends) << call;
    }
}

TEST(StartUp, WorkingListIsTheSelectionOnlyWhenTwoOrMoreAreSelected) {
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

TEST(OpenDocument, EachWayThrough) {
    const struct {
        const char* what;
        host::sim::DocumentData opened;
        std::uint64_t failingCall = 0;
        HostCode code = HostCode::Failed;
        Shown shown;
    } cases[] = {
        {"takes up the new document",
         document({part("C1"), part("C2")}, "psu.sch"),
         0,
         {},
         {StartupOutcome::Running, "Quillaron psu.sch", "1", ""}},
        {"an empty document",
         document({}, "empty.sch"),
         0,
         {},
         {StartupOutcome::EndProgram, "Quillaronempty.sch", "1",
          "There is no componets in project"}},
        {"PowerLogic unreachable",
         document({part("C1")}, "psu.sch"),
         1,
         HostCode::NotRunning,
         {StartupOutcome::EndProgram, "Sequate amp.sch", "1", notRunning}},
        // The selection, after the caption's name: the first caption stays.
        {"another failure",
         document({part("C1")}, "psu.sch"),
         2,
         HostCode::Timeout,
         {StartupOutcome::Running, "Quillaronpsu.sch", "1", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session session({document({part("R1")}), c.opened});
        session.window.controls.optStart = true;
        session.window.controls.optSelected = true;
        session.logic.openDocument(1);
        if (c.failingCall)
            session.logic.failCall(c.failingCall, c.code);
        expectShown(session.window, takeUpOpenedDocument(session.state, session.window), c.shown);
        // Only the option for all components is cleared.
        EXPECT_EQ(session.window.controls.optStart, c.failingCall == 1);
        EXPECT_TRUE(session.window.controls.optSelected);
    }
}

} // namespace
} // namespace sequate::engine::testing
