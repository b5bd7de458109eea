// Start-up and the open-document handler: each way through, with the exact texts.

#include "session.h"

#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

using engine::ShownMessage;
using host::HostCode;

void expectOnlyCritical(const engine::HeadlessWindow& window, const std::string& text) {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].kind, MessageKind::Failure);
    EXPECT_EQ(window.messages[0].title, "Sequate");
    EXPECT_EQ(window.messages[0].text, text);
}

TEST(FormLoad, WithoutPowerLogicSaysSoAndEnds) {
    host::sim::SimRunningObjects nothingRunning(nullptr, nullptr);
    HostSession state;
    engine::HeadlessWindow window;
    EXPECT_EQ(startUp(state, window, window, nothingRunning), StartupOutcome::EndProgram);
    expectOnlyCritical(window, "Are you sure Powerlogic is running ? ");
    EXPECT_EQ(window.caption, "Sequate 1.4");
}

// Without a document at all: the runner's scenario no_project.
TEST(FormLoad, WithoutComponentsSaysSoAndEnds) {
    Session session(document({}));
    EXPECT_EQ(session.startup, StartupOutcome::EndProgram);
    expectOnlyCritical(session.window, "You must load a project before running Sequate");
}

TEST(FormLoad, TakesUpTheOpenDocument) {
    Session session(document({part("R1"), part("C1")}));
    EXPECT_EQ(session.startup, StartupOutcome::Running);
    EXPECT_TRUE(session.window.messages.empty());
    EXPECT_TRUE(session.window.topmost);
    EXPECT_EQ(session.window.caption, "Sequate amp.sch");
    EXPECT_EQ(session.window.startText, "1");
    EXPECT_EQ(session.state.workList->Count(), 2);
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

TEST(FormLoad, UnsavedDocumentLeavesTheCaptionBare) {
    Session session(document({part("R1")}, ""));
    EXPECT_EQ(session.window.caption, "Sequate ");
}

TEST(FormLoad, OtherFailureIsSwallowedAndSkipsTheRest) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    logic.failCall(2, HostCode::Failed); // the selection, right after the current document
    HostSession state;
    engine::HeadlessWindow window;
    EXPECT_EQ(startUp(state, window, window, objects), StartupOutcome::Running);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.caption, "Sequate 1.4");
    EXPECT_EQ(window.startText, "");
}

TEST(FormLoad, NoProjectCodeFromAnyProbeCallEnds) {
    for (std::uint64_t call = 1; call <= 6; ++call) {
        host::sim::SimPowerLogic logic({document({part("R1")})});
        host::sim::SimRunningObjects objects(&logic, nullptr);
        logic.failCall(call, HostCode::NoProject);
        HostSession state;
        engine::HeadlessWindow window;
        EXPECT_EQ(startUp(state, window, window, objects), StartupOutcome::EndProgram) << call;
        expectOnlyCritical(window, "You must load a project before running Sequate");
    }
}

TEST(OpenDocument, TakesUpTheNewDocumentAndClearsOnlyTheAllOption) {
    Session session({document({part("R1")}), document({part("C1"), part("C2")}, "psu.sch")});
    session.window.allComponentsChosen = true;
    session.logic.openDocument(1);
    EXPECT_EQ(takeUpOpenedDocument(session.state, session.window, session.window),
              StartupOutcome::Running);
    EXPECT_EQ(session.window.caption, "Quillaron psu.sch");
    EXPECT_FALSE(session.window.allComponentsChosen);
    EXPECT_EQ(session.state.workList->Count(), 2);
}

TEST(OpenDocument, EmptyDocumentSaysSoAndEnds) {
    Session session({document({part("R1")}), document({}, "empty.sch")});
    session.logic.openDocument(1);
    EXPECT_EQ(takeUpOpenedDocument(session.state, session.window, session.window),
              StartupOutcome::EndProgram);
    expectOnlyCritical(session.window, "There is no componets in project");
    EXPECT_EQ(session.window.caption, "Quillaronempty.sch");
}

TEST(OpenDocument, UnreachablePowerLogicSaysSoAndEnds) {
    Session session({document({part("R1")}), document({part("C1")}, "psu.sch")});
    session.logic.openDocument(1);
    session.logic.failCall(1, HostCode::NotRunning);
    EXPECT_EQ(takeUpOpenedDocument(session.state, session.window, session.window),
              StartupOutcome::EndProgram);
    expectOnlyCritical(session.window, "Are you sure Powerlogic is running ? ");
}

TEST(OpenDocument, OtherFailureLeavesTheFirstCaption) {
    Session session({document({part("R1")}), document({part("C1")}, "psu.sch")});
    session.logic.openDocument(1);
    session.logic.failCall(2, HostCode::Timeout); // the selection, after the caption's name
    EXPECT_EQ(takeUpOpenedDocument(session.state, session.window, session.window),
              StartupOutcome::Running);
    EXPECT_TRUE(session.window.messages.empty());
    EXPECT_EQ(session.window.caption, "Quillaronpsu.sch");
}

} // namespace
} // namespace sequate::engine::testing
