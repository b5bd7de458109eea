#include "putbacktexts.h"

#include "hostfailuretexts.h"
#include "passmessages.h"

namespace sequate::ui {

namespace {

using Rule = engine::PutBackProblem::Rule;

constexpr std::size_t previewRows = 12;

std::string hostWords(const engine::PutBackProblem& problem) {
    return describeFailure({problem.code, problem.detail});
}

std::string problemWords(const engine::PutBackProblem& problem) {
    switch (problem.rule) {
    case Rule::NotAttached:
        return problemText({engine::Problem::Rule::NotAttached, {}});
    case Rule::SchematicUnreachable:
        return schematicUnreachable({problem.code, problem.detail});
    case Rule::NothingKept:
        return "No completed pass of " + problem.document +
               " is kept, so there is no pass to put back.";
    case Rule::ComponentCount:
        return "The schematic has " + std::to_string(problem.now) + " components now and had " +
               std::to_string(problem.then) +
               " when the last pass completed, so that pass cannot be put back.";
    case Rule::RenamedSince:
        return "The last pass renamed " + problem.rename.before + " to " + problem.rename.after +
               ", which has been renamed to " + problem.present +
               " since, so that pass cannot be put back.";
    case Rule::NameTakenSince:
        return "Another component has been named " + problem.rename.before +
               " since the last pass, which took that name from the component now named " +
               problem.rename.after + ", so that pass cannot be put back.";
    case Rule::ChangedWhileAsked:
        return "The schematic changed while the question was open, so the last pass was not put "
               "back. Choose Pass > Put back the last pass again to see what it would do now.";
    case Rule::PowerPcbCannotTake:
        return problem.detail +
               "\n\nThe last pass's ECO file reached the layout, so the layout must be put back "
               "too: start PowerPCB with the layout open and choose Pass > Put back the last "
               "pass again.";
    case Rule::HostFailed:
        return "Putting back the last pass stopped while " + problem.activity + ": " +
               hostWords(problem) + ".";
    case Rule::Unexpected:
        return "Putting back the last pass stopped while " + problem.activity + ": " +
               problem.detail;
    case Rule::SaveCancelled:
        return "No ECO file was written: the save dialog was cancelled.";
    case Rule::Stopped:
        return stoppedBy(problem.detail, problem.fault);
    case Rule::UnfinishedFirst:
        return "Sequate first settled what was cut short on " + problem.document +
               ", as said before, and put back no pass now. Choose Pass > Put back the last pass "
               "again if you still want the last completed pass put back.";
    case Rule::LastPassUnreadable:
        return "The last pass on " + problem.document + " cannot be put back. " + problem.detail +
               "\n\nSequate puts back no older pass in its place: the last pass's renames would "
               "stay.";
    case Rule::EcoNotDelivered:
        break;
    }
    return problem.detail;
}

// Refused because of what the user can see and set right, rather than failed.
bool refused(Rule rule) {
    switch (rule) {
    case Rule::NothingKept:
    case Rule::ComponentCount:
    case Rule::RenamedSince:
    case Rule::NameTakenSince:
    case Rule::ChangedWhileAsked:
    case Rule::PowerPcbCannotTake:
    case Rule::UnfinishedFirst:
    case Rule::LastPassUnreadable:
        return true;
    default:
        return false;
    }
}

std::string ecoNote(const std::optional<engine::EcoSent>& eco) {
    if (!eco || !eco->delivery)
        return {};
    switch (eco->delivery->outcome) {
    case host::EcoOutcome::Unknown:
    case host::EcoOutcome::FileLeftOver:
        return "\n\n" + eco->delivery->message;
    case host::EcoOutcome::Delivered:
        return eco->destination == engine::EcoDestination::PowerPcb
                   ? "\n\nThe layout in PowerPCB is put back too."
                   : "\n\nThe ECO file that puts the layout back is \"" + eco->path + "\".";
    case host::EcoOutcome::Cancelled:
    case host::EcoOutcome::NotDelivered:
        break;
    }
    return {};
}

std::string journalNotes(const engine::PutBackOutcome& outcome) {
    std::string text;
    if (!outcome.journalNotSettled.empty())
        text += "\n\n" + outcome.journalNotSettled +
                " Remove that file once there is room on the disk.";
    if (!outcome.passNotKept.empty())
        text += "\n\n" + outcome.passNotKept;
    return text;
}

std::string stoppedText(const engine::PutBackOutcome& outcome) {
    const std::string problem = outcome.problem ? problemWords(*outcome.problem) : std::string();
    switch (outcome.end) {
    case engine::PutBackEnd::NothingChanged:
        return problem + "\n\nNothing was changed.";
    case engine::PutBackEnd::TakenBack:
        return problem +
               "\n\nEvery name the put-back had changed is back: the schematic is as the last "
               "pass left it, which can still be put back." +
               journalNotes(outcome);
    case engine::PutBackEnd::LeftInEffect: {
        std::string text =
            problem + "\n\nTaking the put-back back failed too: " +
            (outcome.undo && outcome.undo->failure
                 ? undoFailureText(outcome.undo->failure->rename, outcome.undo->failure->fault)
                 : std::string()) +
            ". These renames are still in effect:";
        if (outcome.undo)
            for (const engine::Rename& rename : outcome.undo->stillInEffect)
                text += "\n" + rename.before + " to " + rename.after;
        return text + "\n\nSequate keeps a journal of the put-back: the next Run, or the next "
                      "start of Sequate, carries it on.";
    }
    case engine::PutBackEnd::Done:
    case engine::PutBackEnd::Declined:
    case engine::PutBackEnd::ProblemAlone:
        break;
    }
    return problem;
}

} // namespace

std::string putBackPreviewText(const engine::PutBackPreview& preview) {
    const std::vector<engine::Rename>& renamed = preview.renamed;
    std::string text = "Put back the last pass on " + preview.document + "? " +
                       std::to_string(renamed.size()) +
                       " components get back the names they had before it:";
    for (std::size_t i = 0; i < renamed.size() && i < previewRows; ++i)
        text += "\n" + renamed[i].after + " to " + renamed[i].before;
    if (renamed.size() > previewRows)
        text += "\n... and " + std::to_string(renamed.size() - previewRows) + " more.";
    if (preview.byTemporaryName > 0)
        text += "\n" + std::to_string(preview.byTemporaryName) +
                " of them go by way of a temporary name, as their names go round.";
    switch (preview.eco) {
    case engine::HandOver::Layout:
        text += "\n\nThe pass's ECO file reached the layout, so PowerPCB then reads the file that "
                "puts the layout back too.";
        break;
    case engine::HandOver::File:
        text += "\n\nThe pass's ECO file went to \"" + preview.ecoPath +
                "\": the file that puts the layout back is offered in the save dialog.";
        break;
    case engine::HandOver::None:
        text += "\n\nThe pass wrote no ECO file, so only the schematic changes.";
        break;
    }
    return text;
}

std::optional<Message> putBackMessage(const engine::PutBackOutcome& outcome) {
    if (outcome.end == engine::PutBackEnd::Declined)
        return std::nullopt;
    if (outcome.done())
        return Message{MessageKind::Information, "Sequate",
                       "The last pass is put back: " + std::to_string(outcome.passRenames) +
                           " components have the names they had before it." + ecoNote(outcome.eco) +
                           journalNotes(outcome)};
    const bool refusal = outcome.problem && refused(outcome.problem->rule);
    return Message{refusal ? MessageKind::Refusal : MessageKind::Failure, "Sequate",
                   stoppedText(outcome)};
}

} // namespace sequate::ui
