#include "recoverytexts.h"

#include "hostfailuretexts.h"

#include <algorithm>
#include <variant>

namespace sequate::ui {

namespace {

using engine::LayoutFinding;
using engine::RecoveryActivity;
namespace news = engine::recovery;

const char* activityWords(RecoveryActivity activity) {
    switch (activity) {
    case RecoveryActivity::LookingForJournal:
        return "looking for its journal";
    case RecoveryActivity::ReadingNames:
        return "reading the schematic's names";
    case RecoveryActivity::PlanningPutBack:
        return "planning how to put the names back";
    case RecoveryActivity::WritingPutBackJournal:
        return "writing the journal of the put-back";
    case RecoveryActivity::WorkingOutKept:
        return "working out the renames that stay";
    case RecoveryActivity::WritingKeptJournal:
        return "writing the journal of the renames that stay";
    case RecoveryActivity::HandingOverKept:
        return "handing over the ECO file of the renames that stay";
    case RecoveryActivity::BringingLayoutInStep:
        break;
    }
    return "bringing the layout in step";
}

std::string layoutWords(LayoutFinding finding) {
    switch (finding) {
    case LayoutFinding::NothingToFollow:
        return "";
    case LayoutFinding::AlreadyInStep:
        return "The layout in PowerPCB was already in step with the schematic.";
    case LayoutFinding::TookSameRenames:
        return "The layout in PowerPCB has taken the same renames.";
    case LayoutFinding::PutBackFileSaved:
        // Sequate never sees a layout it hands only files to: one loaded from a save made
        // before the last pass's file was read has the schematic's names already.
        return "If the layout in PowerPCB still has the names the last pass gave, read into it "
               "the ECO file just saved: it takes the layout back to the names before the last "
               "pass, as the schematic is now. A layout that has the schematic's names needs "
               "nothing.";
    case LayoutFinding::PutBackFileUnsaved:
        return "No ECO file was saved for the layout: until the last pass is put back in "
               "PowerPCB too, the layout keeps its renames.";
    case LayoutFinding::ByHandFileSaved:
    case LayoutFinding::ByHandNoFileSaved:
        break;
    }
    return "The layout may hold the renames of that pass: Sequate cannot tell, since they only "
           "moved names among the components. If the layout in PowerPCB has them, read into it "
           "the ECO file " +
           std::string(finding == LayoutFinding::ByHandNoFileSaved
                           ? "that puts them in step (none was saved now)."
                           : "just saved.");
}

std::string words(const news::Said& said) {
    return said.text;
}

std::string words(const news::SchematicOutOfReach& unreachable) {
    return schematicUnreachable({unreachable.code, unreachable.detail});
}

std::string words(const news::PassLockTold& told) {
    return passLockText(told.news);
}

std::string words(const news::UnreadableJournal& journal) {
    if (!journal.notMoved.empty())
        return journal.problem + " It could not be set aside: " + journal.notMoved + ".";
    return journal.problem + " Sequate has set it aside as \"" + journal.aside +
           "\" and leaves the names as they are.";
}

std::string words(const news::NotSettled& failed) {
    return "Sequate could not settle the pass that was cut short while " +
           (failed.renaming.empty() ? std::string(activityWords(failed.activity))
                                    : failed.renaming) +
           ": " + stoppedBy(failed.problem, failed.fault) +
           " Its journal stays, so the next Run offers it again" +
           (failed.putBackBegun ? "."
                                : "; there, \"Keep as it is\" leaves the names as they are now.");
}

std::string words(const news::ChangedWhileAsked&) {
    return "The schematic changed in PowerLogic while Sequate's question was open, so Sequate "
           "left it as it is. The journal of the pass that was cut short stays: the next Run "
           "asks again.";
}

std::string words(const news::PutBackMade& made) {
    std::string text = "The " + std::to_string(made.renames) +
                       " renames of the pass that was cut short were undone: every name is as it "
                       "was before that pass.";
    if (made.passEcoFile)
        text += "\n\nThat pass was writing its ECO file \"" + *made.passEcoFile +
                "\": if it is there, do not read it into the layout, since its renames are "
                "undone.";
    if (made.layout && *made.layout != LayoutFinding::NothingToFollow)
        text += "\n\n" + layoutWords(*made.layout);
    return text;
}

std::string words(const news::LayoutFollowed& followed) {
    return layoutWords(followed.finding);
}

std::string words(const news::KeptFileLeftOver& left) {
    return left.ecoWords.substr(
        std::min(left.ecoWords.find_first_not_of('\n'), left.ecoWords.size()));
}

std::string words(const news::KeptFileNotDelivered& failed) {
    return failed.ecoWords + "\n\nThe renames stay in the schematic, and Sequate keeps their "
                             "journal: the next Run offers their ECO file again.";
}

std::string words(const news::LayoutFileNotSaved& failed) {
    return failed.ecoWords +
           "\n\nSequate keeps the journal and offers the file again at the next Run.";
}

std::string words(const news::LayoutNotKnown& unknown) {
    return unknown.ecoWords +
           "\n\nWhether the layout in PowerPCB is in step with the schematic is not known yet. "
           "Sequate keeps the journal: once PowerPCB runs with the layout open, the next Run "
           "brings the layout in step.";
}

std::string words(const news::PassHeldBack& held) {
    return "The pass you asked for did not run: " +
           std::string(held.asked ? "look at the schematic as it is now, then press Run again."
                                  : "the renames of the pass that was cut short must first "
                                    "reach the layout, or be put back.");
}

} // namespace

std::string unfinishedPassQuestion(const engine::UnfinishedPass& pass) {
    return "The last pass on " +
           (pass.document.empty() ? std::string("this schematic") : pass.document) +
           " was cut short: " + std::to_string(pass.inEffect) + " of its " +
           std::to_string(pass.renamed) + " renames are in effect, and " +
           (pass.layoutMayHold
                ? "PowerPCB was reading their ECO file, so the layout may hold them too."
                : "the layout has none of them.") +
           "\n\nPut the schematic back as it was before that pass? Keeping it as it is offers "
           "an ECO file of the renames in effect.";
}

Message recoveryMessage(const engine::RecoveryMessage& message) {
    std::string text = std::visit([](const auto& news) { return words(news); }, message.news);
    if (message.then)
        text += "\n\n" + words(*message.then);
    return {message.information ? MessageKind::Information : MessageKind::Failure, "Sequate", text};
}

} // namespace sequate::ui
