// The words of Pass > Put back the last pass, byte for byte: the engine gives values, and these
// are the preview and the boxes the user reads.

#include "ui/putbacktexts.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

using Rule = engine::PutBackProblem::Rule;
using End = engine::PutBackEnd;
using engine::ComponentIndex;

engine::PutBackOutcome ended(End end, Rule rule, std::string detail = {}) {
    engine::PutBackOutcome outcome(end);
    outcome.problem = engine::PutBackProblem(rule, std::move(detail));
    outcome.problem->activity = "putting the names back";
    outcome.problem->code = host::HostCode::Timeout;
    outcome.problem->rename = {ComponentIndex(2), "R1", "R7"};
    outcome.problem->present = "X1";
    outcome.problem->now = 5;
    outcome.problem->then = 6;
    outcome.problem->document = "amp.sch";
    return outcome;
}

TEST(PutBackTexts, ThePreviewSaysWhatComesBackAndWhereTheLayoutFollows) {
    engine::PutBackPreview preview{"amp.sch", {}, 2, engine::HandOver::File, "/e/a.eco"};
    for (std::size_t i = 1; i <= 13; ++i)
        preview.renamed.push_back(
            {ComponentIndex(i), "R" + std::to_string(i), "R" + std::to_string(i + 1)});
    std::string rows;
    for (int i = 1; i <= 12; ++i)
        rows += "\nR" + std::to_string(i + 1) + " to R" + std::to_string(i);
    EXPECT_EQ(putBackPreviewText(preview),
              "Put back the last pass on amp.sch? 13 components get back the names they had "
              "before it:" +
                  rows +
                  "\n... and 1 more.\n2 of them go by way of a temporary name, as their names go "
                  "round.\n\nThe pass's ECO file went to \"/e/a.eco\": the file that puts the "
                  "layout back is offered in the save dialog.");
    preview = {"amp.sch", {}, 0, engine::HandOver::Layout, {}};
    EXPECT_EQ(putBackPreviewText(preview),
              "Put back the last pass on amp.sch? 0 components get back the names they had "
              "before it:\n\nThe pass's ECO file reached the layout, so PowerPCB then reads the "
              "file that puts the layout back too.");
}

TEST(PutBackTexts, EachEndInTheUsersWords) {
    const std::string cannot = ", so that pass cannot be put back.\n\nNothing was changed.";
    engine::PutBackOutcome done(End::Done);
    done.passRenames = 3;
    done.eco = engine::EcoSent{engine::EcoDestination::PowerPcb,
                               host::EcoDelivery(host::EcoOutcome::Delivered), "/t/x.eco"};
    done.journalNotSettled = "No room.";
    engine::PutBackOutcome left = ended(End::LeftInEffect, Rule::Stopped, "R7 refused.");
    left.undo = engine::UndoReport{
        false,
        engine::UndoFailure{{ComponentIndex(0), "R9", "R3"}, {host::HostCode::Timeout, "late"}},
        {{ComponentIndex(0), "R9", "R3"}}};
    engine::PutBackOutcome takenBack = ended(End::TakenBack, Rule::SaveCancelled);
    takenBack.passNotKept = "Not kept.";
    const struct {
        engine::PutBackOutcome outcome;
        MessageKind kind;
        std::string text;
    } cases[] = {
        {done, MessageKind::Information,
         "The last pass is put back: 3 components have the names they had before it.\n\nThe "
         "layout in PowerPCB is put back too.\n\nNo room. Remove that file once there is room on "
         "the disk."},
        {ended(End::ProblemAlone, Rule::NothingKept), MessageKind::Refusal,
         "No completed pass of amp.sch is kept, so there is no pass to put back."},
        {ended(End::ProblemAlone, Rule::UnfinishedFirst), MessageKind::Refusal,
         "Sequate first settled what was cut short on amp.sch, as said before, and put back no "
         "pass now. Choose Pass > Put back the last pass again if you still want the last "
         "completed pass put back."},
        {ended(End::NothingChanged, Rule::LastPassUnreadable,
               "The journal \"/j/9-amp.completed\" cannot be read: line 2: \"document\" is "
               "expected here."),
         MessageKind::Refusal,
         "The last pass on amp.sch cannot be put back. The journal \"/j/9-amp.completed\" "
         "cannot be read: line 2: \"document\" is expected here.\n\nSequate puts back no older "
         "pass in its place: the last pass's renames would stay.\n\nNothing was changed."},
        {ended(End::NothingChanged, Rule::ComponentCount), MessageKind::Refusal,
         "The schematic has 5 components now and had 6 when the last pass completed" + cannot},
        {ended(End::NothingChanged, Rule::RenamedSince), MessageKind::Refusal,
         "The last pass renamed R1 to R7, which has been renamed to X1 since" + cannot},
        {ended(End::NothingChanged, Rule::NameTakenSince), MessageKind::Refusal,
         "Another component has been named R1 since the last pass, which took that name from "
         "the component now named R7" +
             cannot},
        {ended(End::NothingChanged, Rule::ChangedWhileAsked), MessageKind::Refusal,
         "The schematic changed while the question was open, so the last pass was not put back. "
         "Choose Pass > Put back the last pass again to see what it would do now.\n\nNothing was "
         "changed."},
        {ended(End::NothingChanged, Rule::PowerPcbCannotTake, "PowerPCB is not running."),
         MessageKind::Refusal,
         "PowerPCB is not running.\n\nThe last pass's ECO file reached the layout, so the layout "
         "must be put back too: start PowerPCB with the layout open and choose Pass > Put back "
         "the last pass again.\n\nNothing was changed."},
        {ended(End::NothingChanged, Rule::HostFailed, "busy"), MessageKind::Failure,
         "Putting back the last pass stopped while putting the names back: PowerLogic did not "
         "answer in time (error " +
             host::codeText(host::HostCode::Timeout) + ": busy).\n\nNothing was changed."},
        {ended(End::NothingChanged, Rule::Unexpected, "bad alloc"), MessageKind::Failure,
         "Putting back the last pass stopped while putting the names back: bad alloc\n\nNothing "
         "was changed."},
        {takenBack, MessageKind::Failure,
         "No ECO file was written: the save dialog was cancelled.\n\nEvery name the put-back "
         "had changed is back: the schematic is as the last pass left it, which can still be "
         "put back.\n\nNot kept."},
        {left, MessageKind::Failure,
         "R7 refused.\n\nTaking the put-back back failed too: R3 could not get back its name R9: "
         "PowerLogic did not answer in time (error " +
             host::codeText(host::HostCode::Timeout) +
             ": late). These renames are still in effect:\nR9 to R3\n\nSequate keeps a journal of "
             "the put-back: the next Run, "
             "or the next start of Sequate, carries it on."},
    };
    for (const auto& c : cases) {
        const std::optional<Message> said = putBackMessage(c.outcome);
        ASSERT_TRUE(said) << c.text;
        EXPECT_EQ(said->kind, c.kind) << c.text;
        EXPECT_EQ(said->text, c.text);
    }
    EXPECT_FALSE(putBackMessage(engine::PutBackOutcome(End::Declined)));
}

} // namespace
} // namespace sequate::ui
