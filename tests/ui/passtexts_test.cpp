// The words of the preview and of the report: the choice, what Run would do or did, where the
// ECO file goes or went, and the names kept because they end in a letter.

#include "ui/passtexts.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

using engine::PassScope;
using engine::TakenNamePolicy;

const std::vector<std::string> names{"R5", "U1A", "C2"};

engine::PassCompleted completedPass(engine::PassPlan applied, std::vector<std::string> read) {
    return {std::move(applied), {}, std::move(read), std::nullopt, {}};
}

engine::PassPlan plan() {
    engine::PassPlan plan;
    using engine::ComponentIndex;
    plan.renames = {{ComponentIndex(0), "R5", "R11"},
                    {ComponentIndex(0), "R11", "R1"},
                    {ComponentIndex(2), "C2", "C1"}};
    plan.walk = {0, 1, 2};
    plan.unnamed = {"U1A"};
    return plan;
}

TEST(PassTexts, PreviewSaysWhatRunWouldDoAndWhereTheEcoFileGoes) {
    const struct {
        PassRequest choice;
        std::optional<std::string> stop;
        const char* summary;
    } cases[] = {
        {{PassScope::AllComponents, TakenNamePolicy::None, *engine::StartNumber::read("1"), {}},
         {},
         "Sequate all components, start from 1.\n2 components get a new name, 1 of them by way "
         "of a temporary name; 1 keeps its name.\nECO file: not written (\"Write ECO file for "
         "PowerPCB\" is not ticked)"},
        {{PassScope::SelectedComponents, TakenNamePolicy::RenameDuplicates,
          *engine::StartNumber::read("40"), engine::EcoDestination::ChosenFile},
         "R5 is taken",
         "Sequate selected components, Rename duplicates, start from 40.\nRun would stop: R5 is "
         "taken\nECO file: \"Write only\": to a file you choose when the pass ends"},
        {{PassScope::SelectedComponents, TakenNamePolicy::AssignNextFree,
          *engine::StartNumber::read("2"), engine::EcoDestination::PowerPcb,
          engine::WalkOrder::DownThenAcross, *engine::parseLeaveAlone("J*, U7").leaveAlone},
         {},
         "Sequate selected components, Assign next free names, start from 2, order \"Down, then "
         "across\", leave alone J* U7.\n2 components get "
         "a new name, 1 of them by way of a temporary name; 1 keeps its name.\nECO file: \"Write "
         "and force read in PCB\": read into the layout open in PowerPCB"},
    };
    for (const auto& c : cases) {
        engine::PassPlan planned = plan();
        planned.stop = c.stop;
        const PreviewText text = previewText(c.choice, names, planned);
        EXPECT_EQ(text.summary, c.summary);
        EXPECT_EQ(text.canApply, !c.stop);
        EXPECT_EQ(text.codes,
                  "Per letter code: C 1 renamed, 0 kept; R 1 renamed, 0 kept; U 0 renamed, 1 kept");
        EXPECT_EQ(text.rows,
                  (std::vector<NameRow>{
                      {"R5", "R1", ""}, {"C2", "C1", ""}, {"U1A", "U1A", "ends in a letter"}}));
    }
}

TEST(PassTexts, ReportTellsOfACompletedOrAStoppedPass) {
    const PassRequest all{
        PassScope::AllComponents, TakenNamePolicy::None, *engine::StartNumber::read("3"), {}};
    PassReport report =
        passReport(all, "2026-12-06 22:00:00", completedPass(plan(), names), "read by PowerPCB");
    EXPECT_EQ(report.summary, "Pass of 2026-12-06 22:00:00: Sequate all components, start from "
                              "3.\n2 components got a new name; 1 kept its name, 1 of them "
                              "because it ends in a letter.\nECO file: read by PowerPCB");
    EXPECT_EQ(report.rows.size(), 3u);
    EXPECT_EQ(report.endsInLetter, "U1A\r\n");

    engine::PassStopped stopped{{engine::Problem::Rule::Stopped, "", "PowerLogic stopped."}};
    stopped.made = 1;
    stopped.undo = {false,
                    engine::UndoFailure{{engine::ComponentIndex(2), "C2", "C1"},
                                        {host::HostCode::Failed, "it refused"}},
                    {{engine::ComponentIndex(2), "C2", "C1"}},
                    false};
    report = passReport(all, "now", stopped, ecoNotWritten);
    EXPECT_EQ(report.summary, "Pass of now: Sequate all components, start from 3.\nThe pass "
                              "stopped: PowerLogic stopped.\n\nUndoing the renames of this pass "
                              "failed too: C1 could not get back its name C2: PowerLogic refused "
                              "the call (error " +
                                  host::codeText(host::HostCode::Failed) +
                                  ": it refused). These renames are still in effect:\nC2 to "
                                  "C1\nECO file: not written");
    EXPECT_EQ(report.rows, (std::vector<NameRow>{{"C2", "C1", "still in effect"}}));
    EXPECT_EQ(report.endsInLetter, "");
}

// The components left alone are listed, the first twenty by name, and each entry that matched
// no component is said, in the preview and in the report alike.
TEST(PassTexts, PreviewAndReportTellWhatWasLeftAlone) {
    engine::PassPlan planned;
    std::vector<std::string> read;
    for (int i = 1; i <= 21; ++i) {
        read.push_back("J" + std::to_string(i));
        planned.leftAlone.push_back(read.back());
        planned.walk.push_back(planned.walk.size());
    }
    planned.unmatchedEntries = {"TP*", "U7"};
    const std::string lines =
        "\nComponents left alone: J1, J2, J3, J4, J5, J6, J7, J8, J9, J10, J11, J12, J13, J14, "
        "J15, J16, J17, J18, J19, J20 and 1 more, marked \"left alone\" in the list\nLeave "
        "alone: nothing matched TP*, U7\n";
    const PassRequest all{
        PassScope::AllComponents, TakenNamePolicy::None, *engine::StartNumber::read("1"), {}};
    const PreviewText preview = previewText(all, read, planned);
    EXPECT_NE(preview.summary.find(lines), std::string::npos) << preview.summary;
    EXPECT_EQ(preview.rows.back(), (NameRow{"J21", "J21", "left alone"}));
    const PassReport report = passReport(all, "now", completedPass(planned, read), ecoNotWritten);
    EXPECT_NE(report.summary.find(lines), std::string::npos) << report.summary;
}

// The line under the progress bar, for each way a pass can end.
TEST(PassTexts, AccountLineSaysWhatThePassDidInOneLine) {
    using host::EcoOutcome;
    const auto sent = [](engine::EcoDestination to, EcoOutcome outcome) {
        return engine::EcoSent{to, host::EcoDelivery{outcome, "left at /tmp/x"}, "/tmp/a.eco"};
    };
    const auto completed = [](std::size_t renamed, std::vector<std::string> unnamed,
                              std::optional<engine::EcoSent> eco) {
        engine::PassPlan plan;
        plan.unnamed = std::move(unnamed);
        engine::PassCompleted result = completedPass(plan, {});
        result.changed.resize(renamed);
        result.eco = std::move(eco);
        return result;
    };
    const engine::Problem failed{engine::Problem::Rule::Stopped, "", "failed"};
    engine::EcoSent nothingRead{engine::EcoDestination::PowerPcb, std::nullopt, {}, true};
    engine::PassStopped stopped{failed};
    engine::PassStopped stoppedByUser{failed};
    stoppedByUser.byUser = true;
    engine::PassStopped cancelled{failed};
    cancelled.byUser = true;
    cancelled.eco = sent(engine::EcoDestination::ChosenFile, EcoOutcome::Cancelled);
    engine::PassStopped leftOver{failed};
    leftOver.undo.stillInEffect.resize(1);
    using engine::EcoDestination;
    const struct {
        engine::PassOutcome result;
        const char* line;
    } cases[] = {
        {completed(1500, {}, sent(EcoDestination::PowerPcb, EcoOutcome::Delivered)),
         "1,500 renamed, ECO file read by PowerPCB"},
        {completed(3, {"U1A", "R"}, sent(EcoDestination::ChosenFile, EcoOutcome::Delivered)),
         "3 renamed, 2 not numbered (ending in a letter), ECO file written to a.eco"},
        {completed(3, {}, sent(EcoDestination::ChosenFile, EcoOutcome::Cancelled)),
         "3 renamed, no ECO file: kept without one"},
        {completed(3, {}, sent(EcoDestination::PowerPcb, EcoOutcome::Unknown)),
         "3 renamed, ECO file not confirmed: see Pass > Last pass report"},
        {completed(0, {}, std::nullopt),
         "Nothing changed: no component needed a new name, no ECO file"},
        {completed(0, {"U1A"}, nothingRead), "Nothing changed, so PowerPCB was not asked to read "
                                             "a file, 1 not numbered (ending in a letter)"},
        {stopped, "Nothing changed: the pass failed and every name is as it was"},
        {stoppedByUser, "Nothing changed: the pass was stopped and every name is as it was"},
        {cancelled, "Nothing changed: the save dialog was cancelled and every name is as it was"},
        {leftOver, "The pass stopped with 1 rename still in effect: see Pass > Last pass report"},
        {engine::RefusedBeforeRenaming{failed},
         "Nothing changed: the pass failed and every name is as it was"},
        {engine::PlanChanged{},
         "Nothing changed: the schematic changed since the preview, which now shows "
         "the new plan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accountLine(c.result), c.line);
}

TEST(PassTexts, WhereTheEcoFileWent) {
    using host::EcoOutcome;
    const struct {
        EcoOutcome outcome;
        const char* went;
    } cases[] = {{EcoOutcome::Delivered, "/tmp/a.eco"},
                 {EcoOutcome::Cancelled, "not written"},
                 {EcoOutcome::NotDelivered, "not written"},
                 {EcoOutcome::FileLeftOver, "kept at /tmp/x"},
                 {EcoOutcome::Unknown, "kept at /tmp/x"}};
    for (const auto& c : cases)
        EXPECT_EQ(ecoWent({c.outcome, "kept at /tmp/x"}, "/tmp/a.eco"), c.went);
    EXPECT_EQ(ecoWent(engine::EcoSent{engine::EcoDestination::PowerPcb, std::nullopt, {}, true}),
              "Nothing changed, so PowerPCB was not asked to read a file");
}

} // namespace
} // namespace sequate::ui
