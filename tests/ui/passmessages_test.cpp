// The words of what came of a pass, of start-up and of the firewall, byte for byte: the engine
// gives values, and these are the sentences the user reads.

#include "ui/firewall.h"
#include "ui/passmessages.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace sequate::ui {
namespace {

using Rule = engine::Problem::Rule;
using Note = engine::AfterPassNote::What;

engine::Problem problem(Rule rule, std::string detail, std::vector<std::string> parts = {}) {
    engine::Problem made(rule, "renaming the components", std::move(detail));
    made.parts = std::move(parts);
    made.count = 2;
    made.code = host::HostCode::Timeout;
    return made;
}

engine::PassStopped stopped(Rule rule, std::size_t made, bool byUser = false) {
    engine::PassStopped outcome{problem(rule, "it broke")};
    outcome.made = made;
    outcome.byUser = byUser;
    return outcome;
}

TEST(PassMessages, EachOutcomeInTheUsersWords) {
    const std::string none = "\n\nNo name had been changed yet.";
    const std::string checked = "\n\nNo name had been changed yet: the pass checks its renames "
                                "before it makes the first, so nothing had to be undone.";
    engine::PassStopped failedUndo = stopped(Rule::Stopped, 2);
    failedUndo.problem.fault = engine::HostFault{host::HostCode::Timeout, "late"};
    failedUndo.undo = {false,
                       engine::UndoFailure{{engine::ComponentIndex(0), "R5", "R1"},
                                           {host::HostCode::NotRunning, "gone"}},
                       {{engine::ComponentIndex(0), "R5", "R1"}},
                       true};
    failedUndo.journalKept = true;
    failedUndo.notes = {"Set aside.", {true, engine::HostFault{host::HostCode::Failed, ""}}};
    failedUndo.after = {{Note::JournalNotSettled, "No room."}};
    engine::PassCompleted completed{{}, {}, {}, {}, {}};
    completed.notes = {{Note::EcoUnknown, "Unknown."},
                       {Note::EcoLeftOver, "Left."},
                       {Note::NotKeptForPuttingBack, "Not kept."},
                       {Note::KeptPassSetAside, "/j/completed/9-amp.completed"}};
    const struct {
        engine::PassOutcome outcome;
        std::vector<std::pair<MessageKind, std::string>> said;
    } cases[] = {
        {stopped(Rule::NotAttached, 0),
         {{MessageKind::Failure,
           "Sequate is not attached to a PowerLogic document: start-up did not complete. Close "
           "Sequate and start it again once PowerLogic has a project open." +
               none}}},
        {stopped(Rule::HostFailed, 1),
         {{MessageKind::Failure,
           "The pass stopped while renaming the components: PowerLogic did not answer in time "
           "(error 0x800705B4: it broke).\n\nThe rename this pass had made was undone: every "
           "name is as it was before."}}},
        {stopped(Rule::Unexpected, 3),
         {{MessageKind::Failure, "The pass stopped while renaming the components because of an "
                                 "unexpected problem: it broke.\n\nThe 3 renames this pass had "
                                 "made were undone: every name is as it was before."}}},
        {stopped(Rule::StoppedByUser, 0, true), {{MessageKind::Information, "it broke" + none}}},
        {stopped(Rule::SaveCancelled, 0, true),
         {{MessageKind::Information,
           "No ECO file was written: the save dialog was cancelled." + none}}},
        {failedUndo,
         {{MessageKind::Failure,
           "it broke: PowerLogic did not answer in time (error 0x800705B4: late).\n\nUndoing the "
           "renames of this pass failed too: R1 could not get back its name R5: PowerLogic is no "
           "longer there to answer (error " +
               host::codeText(host::HostCode::NotRunning) +
               ": gone). PowerLogic "
               "stopped answering, so the older renames were not tried. Calls it was still holding "
               "may yet take effect when it answers again: check these names in the schematic "
               "then. "
               "These renames may still be in effect:\nR5 to R1\n\nSequate keeps a journal of this "
               "pass: the next Run, or the next start of Sequate, offers to put these names "
               "back.\n\nSet aside.\n\nPowerLogic still had a pass open that an earlier run could "
               "not end, which held back your edits in PowerLogic. Sequate has closed "
               "it.\n\nPowerLogic "
               "could not end the pass: PowerLogic refused the call (error " +
               host::codeText(host::HostCode::Failed) + ")."},
          {MessageKind::Failure,
           "No room.\n\nThe pass itself is settled. Remove that file once there is room on the "
           "disk: until then, the next start of Sequate asks about this pass again, and \"Keep "
           "as it is\" is the answer that leaves it as it is now."}}},
        {engine::RefusedBeforeRenaming{problem(Rule::NameOfSeveral, "", {"R5"})},
         {{MessageKind::Failure,
           "R5 is the name of 2 components in the schematic, so an ECO file that renames it "
           "cannot be read into the layout: PowerPCB could not tell which part is meant. Give "
           "each of them a name of its own in PowerLogic first, then press Run again." +
               checked}}},
        {engine::RefusedBeforeRenaming{problem(Rule::LayoutCannotName, "a $", {"TP$1"})},
         {{MessageKind::Failure, "The ECO file for the layout cannot name TP$1: a $." + checked}}},
        {engine::RefusedBeforeRenaming{problem(Rule::LayoutCannotCarry, "a $", {"R1", "R$"})},
         {{MessageKind::Failure,
           "R1 would be renamed to R$, which the layout cannot carry: a $." + checked}}},
        {engine::RefusedBeforeRenaming{problem(Rule::PowerPcbCannotTake, "No PowerPCB.")},
         {{MessageKind::Failure, "No PowerPCB.\n\nOr choose \"Write only\", to write the ECO "
                                 "file to a file you choose." +
                                     checked}}},
        {completed,
         {{MessageKind::Failure,
           "Unknown.\n\nSequate keeps the journal of this pass: the next Run, with PowerPCB "
           "running and the layout open, finds out whether the layout took the renames and "
           "brings it in step."},
          {MessageKind::Failure, "Left."},
          {MessageKind::Failure, "Not kept.\n\nThe pass itself is complete, but Pass > Put back "
                                 "the last pass cannot take it back, nor any pass before it."},
          {MessageKind::Failure,
           "The file \"/j/completed/9-amp.completed\" among the completed passes is far larger "
           "than any pass keeps, so Sequate set it aside unread, as "
           "\"/j/completed/9-amp.completed.set-aside\"."}}},
        {engine::PlanChanged{}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<MessageKind, std::string>> said;
        for (const Message& message : passMessages(c.outcome)) {
            EXPECT_EQ(message.title, "Sequate");
            said.emplace_back(message.kind, message.text);
        }
        EXPECT_EQ(said, c.said);
        if (!c.said.empty() && !std::holds_alternative<engine::PassCompleted>(c.outcome)) {
            EXPECT_EQ(stopMessage(c.outcome), c.said[0].second);
        }
    }
}

TEST(PassMessages, StartUpCaptionsAndTheFirewallInTheOldProgramsWords) {
    using engine::DocumentCaption;
    using engine::StartupOutcome;
    EXPECT_EQ(startupFailure(StartupOutcome::PowerLogicNotRunning, false).text,
              "Are you sure Powerlogic is running ? ");
    EXPECT_EQ(startupFailure(StartupOutcome::NoProject, false).text,
              "You must load a project before running Sequate");
    EXPECT_EQ(startupFailure(StartupOutcome::NoProject, true).text,
              "There is no componets in project");
    EXPECT_EQ(documentCaption(DocumentCaption::Started, "a.sch"), "Sequate a.sch");
    EXPECT_EQ(documentCaption(DocumentCaption::Opening, "a.sch"), "Quillarona.sch");
    EXPECT_EQ(documentCaption(DocumentCaption::Opened, "a.sch"), "Quillaron a.sch");
    std::vector<Message> told;
    const auto tell = [&](const Message& message) { told.push_back(message); };
    EXPECT_EQ(behindFirewall(Undertaking::Pass, tell, [] { return 1; }), 1);
    EXPECT_FALSE(behindFirewall(Undertaking::Preview, tell,
                                []() -> int { throw std::runtime_error("no memory"); }));
    EXPECT_FALSE(behindFirewall(Undertaking::Pass, tell, []() -> int { throw 7; }));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].text, "The preview ended because of an unexpected problem: no memory");
    EXPECT_EQ(told[1].text, "The pass ended because of an unexpected problem.");
    EXPECT_EQ(unexpectedProblem(Undertaking::StartUp, "x").text,
              "Start-up ended because of an unexpected problem: x");
}

} // namespace
} // namespace sequate::ui
