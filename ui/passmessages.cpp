#include "passmessages.h"

#include "ecotexts.h"
#include "hostfailuretexts.h"

namespace sequate::ui {

namespace {

using Rule = engine::Problem::Rule;
using Note = engine::AfterPassNote::What;

constexpr const char* sequateTitle = "Sequate";

std::string undoText(const engine::UndoReport& undo, std::size_t made) {
    if (undo.complete && made == 0)
        return "No name had been changed yet.";
    if (undo.complete && made == 1)
        return "The rename this pass had made was undone: every name is as it was before.";
    if (undo.complete)
        return "The " + std::to_string(made) +
               " renames this pass had made were undone: every name is as it was before.";
    std::string text = "Undoing the renames of this pass failed too: " +
                       (undo.failure ? undoFailureText(undo.failure->rename, undo.failure->fault)
                                     : std::string()) +
                       ".";
    if (undo.hostLost)
        text += " PowerLogic stopped answering, so the older renames were not tried. Calls it was "
                "still holding may yet take effect when it answers again: check these names in "
                "the schematic then. These renames may still be in effect:";
    else
        text += " These renames are still in effect:";
    for (const engine::Rename& rename : undo.stillInEffect)
        text += "\n" + rename.before + " to " + rename.after;
    return text;
}

// Why the pass stopped before its first rename, in the words of the rule it broke.
std::string refusalText(const engine::Problem& problem) {
    switch (problem.rule) {
    case Rule::NameOfSeveral:
        return problem.parts.at(0) + " is the name of " + std::to_string(problem.count) +
               " components in the schematic, so an ECO file that renames it cannot be read into "
               "the layout: PowerPCB could not tell which part is meant. Give each of them a name "
               "of its own in PowerLogic first, then press Run again.";
    case Rule::LayoutCannotName:
        return "The ECO file for the layout cannot name " + problem.parts.at(0) + ": " +
               problem.detail + ".";
    case Rule::LayoutCannotCarry:
        return problem.parts.at(0) + " would be renamed to " + problem.parts.at(1) +
               ", which the layout cannot carry: " + problem.detail + ".";
    case Rule::PowerPcbCannotTake:
        return problem.detail +
               "\n\nOr choose \"Write only\", to write the ECO file to a file you choose.";
    default:
        return problemText(problem);
    }
}

std::string withNotes(std::string text, const engine::StopNotes& notes) {
    if (!notes.setAside.empty())
        text += "\n\n" + notes.setAside;
    if (!notes.passNotEnded.empty())
        text += "\n\n" + passLockText(notes.passNotEnded);
    return text;
}

std::string stoppedText(const engine::PassStopped& stopped) {
    std::string text = problemText(stopped.problem) + "\n\n" + undoText(stopped.undo, stopped.made);
    if (stopped.journalKept)
        text += "\n\nSequate keeps a journal of this pass: the next Run, or the next start of "
                "Sequate, offers to put these names back.";
    return withNotes(std::move(text), stopped.notes);
}

std::string refusedText(const engine::RefusedBeforeRenaming& refused) {
    return withNotes(refusalText(refused.problem) +
                         "\n\nNo name had been changed yet: the pass checks its renames before "
                         "it makes the first, so nothing had to be undone.",
                     refused.notes);
}

std::string noteText(const engine::AfterPassNote& note) {
    switch (note.what) {
    case Note::EcoUnknown:
        return note.detail +
               "\n\nSequate keeps the journal of this pass: the next Run, with PowerPCB running "
               "and the layout open, finds out whether the layout took the renames and brings it "
               "in step.";
    case Note::JournalNotSettled:
        return note.detail +
               "\n\nThe pass itself is settled. Remove that file once there is room on the disk: "
               "until then, the next start of Sequate asks about this pass again, and \"Keep as "
               "it is\" is the answer that leaves it as it is now.";
    case Note::NotKeptForPuttingBack:
        return note.detail + "\n\nThe pass itself is complete, but Pass > Put back the last pass "
                             "cannot take it back, nor any pass before it.";
    case Note::KeptPassSetAside:
        return "The file \"" + note.detail +
               "\" among the completed passes is far larger than any pass keeps, so Sequate set it "
               "aside unread, as \"" +
               note.detail + ".set-aside\".";
    case Note::EcoLeftOver:
    case Note::OlderJournalsSetAside:
        break;
    }
    return note.detail;
}

void addNotes(std::vector<Message>& messages, const std::vector<engine::AfterPassNote>& notes) {
    for (const engine::AfterPassNote& note : notes)
        messages.push_back({MessageKind::Failure, sequateTitle, noteText(note)});
}

} // namespace

std::string problemText(const engine::Problem& problem) {
    switch (problem.rule) {
    case Rule::NotAttached:
        return "Sequate is not attached to a PowerLogic document: start-up did not complete. "
               "Close Sequate and start it again once PowerLogic has a project open.";
    case Rule::HostFailed:
        return "The pass stopped while " + problem.activity + ": " +
               describeFailure({problem.code, problem.detail}) + ".";
    case Rule::Unexpected:
        return "The pass stopped while " + problem.activity +
               " because of an unexpected problem: " + problem.detail + ".";
    case Rule::SaveCancelled:
        return "No ECO file was written: the save dialog was cancelled.";
    case Rule::EcoStepThrew:
        return ecoProblemText(host::EcoProblem{host::EcoStepThrew{problem.detail}});
    case Rule::NameOfSeveral:
    case Rule::LayoutCannotName:
    case Rule::LayoutCannotCarry:
    case Rule::PowerPcbCannotTake:
        return refusalText(problem);
    case Rule::Stopped:
        return stoppedBy(problem.detail, problem.fault);
    case Rule::StoppedByUser:
    case Rule::JournalNotWritten:
    case Rule::EcoNotDelivered:
        break;
    }
    return problem.detail;
}

engine::PassPlan previewedPlan(const engine::PlanPreview& preview) {
    engine::PassPlan plan = preview.plan;
    if (preview.problem)
        plan.stop = problemText(*preview.problem);
    return plan;
}

std::string stopMessage(const engine::PassOutcome& outcome) {
    if (const auto* stopped = std::get_if<engine::PassStopped>(&outcome))
        return stoppedText(*stopped);
    if (const auto* refused = std::get_if<engine::RefusedBeforeRenaming>(&outcome))
        return refusedText(*refused);
    return {};
}

// A stop the user chose that left every name as it was is an outcome, not a failure.
std::vector<Message> passMessages(const engine::PassOutcome& outcome) {
    std::vector<Message> messages;
    if (const auto* stopped = std::get_if<engine::PassStopped>(&outcome)) {
        const MessageKind kind = stopped->byUser && stopped->undo.complete
                                     ? MessageKind::Information
                                     : MessageKind::Failure;
        messages.push_back({kind, sequateTitle, stoppedText(*stopped)});
        addNotes(messages, stopped->after);
    } else if (const auto* refused = std::get_if<engine::RefusedBeforeRenaming>(&outcome)) {
        messages.push_back({MessageKind::Failure, sequateTitle, refusedText(*refused)});
    } else if (const auto* completed = std::get_if<engine::PassCompleted>(&outcome)) {
        addNotes(messages, completed->notes);
    }
    return messages;
}

void tellPassOutcome(engine::UserDialogs& dialogs, const engine::PassOutcome& outcome) {
    for (const Message& message : passMessages(outcome))
        dialogs.showMessage(message.kind, message.title, message.text);
}

} // namespace sequate::ui
