#include "passtexts.h"

#include "counttext.h"
#include "optionpanel.h"
#include "passmessages.h"
#include "passsummary.h"

namespace sequate::ui {

namespace {

// Ends in a full stop, so that a count on the next line does not read as part of the start.
// The order and the leave-alone entries only when chosen, in the main window's words, so that
// the line of a pass as the old program made it reads as it did.
std::string choiceLine(const PassRequest& choice) {
    std::string line =
        describeMode(choice) + ", start from " + std::to_string(choice.start.value());
    if (choice.order != engine::WalkOrder::Standard)
        line += std::string(", order \"") +
                walkOrderEntries(choice.scope)[static_cast<std::size_t>(choice.order)] + "\"";
    if (!choice.leaveAlone.empty()) {
        line += ", leave alone";
        for (const std::string& entry : choice.leaveAlone.entries)
            line += " " + entry;
    }
    return line + ".";
}

std::string ecoDestination(const PassRequest& choice) {
    if (choice.eco == engine::EcoDestination::None)
        return "not written (\"Write ECO file for PowerPCB\" is not ticked)";
    if (choice.eco == engine::EcoDestination::ChosenFile)
        return "\"Write only\": to a file you choose when the pass ends";
    return "\"Write and force read in PCB\": read into the layout open in PowerPCB";
}

// One paragraph, so that the list of renames keeps most of the window.
std::string codeCounts(const std::vector<CodeCount>& counts) {
    std::string text = "Per letter code:";
    const char* separator = " ";
    for (const CodeCount& count : counts) {
        text += separator + (count.code.empty() ? std::string("(none)") : count.code) + " " +
                std::to_string(count.renamed) + " renamed, " + std::to_string(count.kept) + " kept";
        separator = "; ";
    }
    return text;
}

// What the account and the report say of a pass that changed nothing, with PowerPCB asked for.
constexpr const char* nothingForPowerPcb =
    "Nothing changed, so PowerPCB was not asked to read a file";

std::string ecoAccount(const std::optional<engine::EcoSent>& eco) {
    if (!eco || !eco->delivery)
        return "no ECO file";
    switch (eco->delivery->outcome) {
    case host::EcoOutcome::Delivered:
        // The file's name only, so that the line fits; the report gives the whole path.
        return eco->destination == engine::EcoDestination::PowerPcb
                   ? "ECO file read by PowerPCB"
                   : "ECO file written to " + eco->path.substr(eco->path.find_last_of("/\\") + 1);
    case host::EcoOutcome::Cancelled:
        return "no ECO file: kept without one";
    case host::EcoOutcome::NotDelivered:
    case host::EcoOutcome::FileLeftOver:
    case host::EcoOutcome::Unknown:
        break;
    }
    return "ECO file not confirmed: see Pass > Last pass report";
}

long long sizeOf(std::size_t n) {
    return static_cast<long long>(n);
}

template <typename List>
long long sizeOf(const List& list) {
    return sizeOf(list.size());
}

// What the leave-alone entries did, a line each, each line after a line end: the components
// they kept, the first few by name (the list marks every one), and the entries that matched no
// component, so that a mistyped entry is seen before the pass renames what it meant to keep.
std::string leaveAloneLines(const engine::PassPlan& plan) {
    constexpr std::size_t namesShown = 20;
    std::string text;
    if (!plan.leftAlone.empty()) {
        text += "\nComponents left alone:";
        const char* separator = " ";
        for (std::size_t i = 0; i < plan.leftAlone.size() && i < namesShown; ++i) {
            text += separator + plan.leftAlone[i];
            separator = ", ";
        }
        if (plan.leftAlone.size() > namesShown)
            text += " and " + withThousands(sizeOf(plan.leftAlone.size() - namesShown)) +
                    " more, marked \"left alone\" in the list";
    }
    if (!plan.unmatchedEntries.empty()) {
        text += "\nLeave alone: nothing matched";
        const char* separator = " ";
        for (const std::string& entry : plan.unmatchedEntries) {
            text += separator + entry;
            separator = ", ";
        }
    }
    return text;
}

std::vector<NameRow> renamedThenKept(const PassSummary& summary) {
    std::vector<NameRow> rows = summary.renamed;
    rows.insert(rows.end(), summary.kept.begin(), summary.kept.end());
    return rows;
}

// A Cancel in the save dialog is the user's choice, not a stop they asked for.
std::string whyStopped(const engine::PassStopped& stopped) {
    if (stopped.eco && stopped.eco->went(host::EcoOutcome::Cancelled))
        return "the save dialog was cancelled";
    return stopped.byUser ? "the pass was stopped" : "the pass failed";
}

std::string completedLine(const engine::PassCompleted& completed) {
    const std::vector<std::string>& unnamed = completed.applied.unnamed;
    const bool nothingToRead = completed.eco && completed.eco->nothingToRead;
    std::string line = nothingToRead ? nothingForPowerPcb
                       : completed.changed.empty()
                           ? "Nothing changed: no component needed a new name"
                           : withThousands(sizeOf(completed.changed)) + " renamed";
    if (!unnamed.empty())
        line += ", " + withThousands(sizeOf(unnamed)) + " not numbered (ending in a letter)";
    return nothingToRead ? line : line + ", " + ecoAccount(completed.eco);
}

std::string completedOutcome(const engine::PassCompleted& completed, PassReport& report) {
    const std::vector<std::string>& unnamed = completed.applied.unnamed;
    PassSummary summary = summarize(completed.namesRead, completed.applied);
    std::string outcome =
        counted(sizeOf(summary.renamed), "component got a new name", "components got a new name") +
        "; " + counted(sizeOf(summary.kept), "kept its name", "kept their names");
    if (!unnamed.empty())
        outcome += ", " + withThousands(sizeOf(unnamed)) +
                   (unnamed.size() == 1 ? " of them because it ends in a letter"
                                        : " of them because they end in a letter");
    outcome += "." + leaveAloneLines(completed.applied);
    report.rows = renamedThenKept(summary);
    for (const std::string& name : unnamed)
        report.endsInLetter += name + "\r\n";
    return outcome;
}

} // namespace

PreviewText previewText(const PassRequest& choice, const std::vector<std::string>& names,
                        const engine::PassPlan& plan) {
    const PassSummary summary = summarize(names, plan);
    PreviewText text;
    text.summary = choiceLine(choice);
    if (plan.stop) {
        text.summary += "\nRun would stop: " + *plan.stop;
    } else {
        text.summary += "\n" + counted(sizeOf(summary.renamed), "component gets a new name",
                                       "components get a new name");
        if (summary.throughTemporary > 0)
            text.summary += ", " + withThousands(sizeOf(summary.throughTemporary)) +
                            " of them by way of a temporary name";
        text.summary +=
            "; " + counted(sizeOf(summary.kept), "keeps its name", "keep their names") + ".";
        text.summary += leaveAloneLines(plan);
    }
    text.summary += "\nECO file: " + ecoDestination(choice);
    text.codes = codeCounts(summary.perCode);
    text.rows = renamedThenKept(summary);
    text.canApply = !plan.stop;
    return text;
}

PreviewText changedPlanText(const PassRequest& choice, const std::vector<std::string>& names,
                            const engine::PassPlan& plan) {
    PreviewText text = previewText(choice, names, plan);
    text.summary = "The schematic changed since the preview was made, so Apply renamed nothing. "
                   "This is the plan for the schematic as it is now:\n" +
                   text.summary;
    return text;
}

std::string accountLine(const engine::PassOutcome& outcome) {
    if (std::holds_alternative<engine::PlanChanged>(outcome))
        return "Nothing changed: the schematic changed since the preview, which now shows the "
               "new plan";
    if (const auto* completed = std::get_if<engine::PassCompleted>(&outcome))
        return completedLine(*completed);
    // Refused before renaming, or stopped: what stays in effect, if anything.
    const auto* stopped = std::get_if<engine::PassStopped>(&outcome);
    if (stopped && !stopped->undo.stillInEffect.empty())
        return "The pass stopped with " +
               counted(sizeOf(stopped->undo.stillInEffect), "rename", "renames") +
               " still in effect: see Pass > Last pass report";
    return "Nothing changed: " + (stopped ? whyStopped(*stopped) : "the pass failed") +
           " and every name is as it was";
}

std::string keptRenamesWaitingLine(std::size_t renames) {
    return counted(sizeOf(renames), "rename", "renames") +
           " kept from the pass that was cut short " +
           (renames == 1 ? "waits for its" : "wait for their") + " ECO file: Run writes it first";
}

std::string writingKeptRenamesLine() {
    return "Writing the ECO file of the renames kept from the pass that was cut short";
}

PassReport passReport(const PassRequest& choice, const std::string& when,
                      const engine::PassOutcome& outcome, const std::string& ecoWent) {
    PassReport report;
    std::string said;
    if (const auto* completed = std::get_if<engine::PassCompleted>(&outcome)) {
        said = completedOutcome(*completed, report);
    } else {
        said = "The pass stopped: " + stopMessage(outcome);
        for (const engine::Rename& rename : engine::renamesInEffect(outcome))
            report.rows.push_back({rename.before, rename.after, "still in effect"});
    }
    report.summary =
        "Pass of " + when + ": " + choiceLine(choice) + "\n" + said + "\nECO file: " + ecoWent;
    return report;
}

std::string putBackAccount(const engine::PutBackOutcome& outcome) {
    if (outcome.done())
        return "The last pass is put back: " +
               counted(sizeOf(outcome.renames), "rename", "renames") + " made, " +
               (outcome.eco ? ecoAccount(outcome.eco) : std::string("no ECO file"));
    if (outcome.renames.empty())
        return "Nothing changed: the last pass was not put back";
    return "The put-back stopped with " + counted(sizeOf(outcome.renames), "rename", "renames") +
           " still in effect: see the message";
}

std::string ecoWent(const host::EcoDelivery& delivery, const std::string& deliveredTo) {
    switch (delivery.outcome) {
    case host::EcoOutcome::Delivered:
        return deliveredTo;
    case host::EcoOutcome::FileLeftOver:
    case host::EcoOutcome::Unknown:
        return delivery.message;
    case host::EcoOutcome::Cancelled:
    case host::EcoOutcome::NotDelivered:
        break;
    }
    return ecoNotWritten;
}

std::string ecoWent(const std::optional<engine::EcoSent>& eco) {
    if (!eco)
        return ecoNotWritten;
    if (eco->nothingToRead)
        return nothingForPowerPcb;
    if (!eco->delivery)
        return ecoNotWritten;
    return ecoWent(*eco->delivery, eco->destination == engine::EcoDestination::PowerPcb
                                       ? "read by the layout open in PowerPCB"
                                       : eco->path);
}

} // namespace sequate::ui
