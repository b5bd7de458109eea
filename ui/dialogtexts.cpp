#include "dialogtexts.h"

#include "firewall.h"

namespace sequate::ui {

namespace {
constexpr const char* sequateTitle = "Sequate";
}

Message startRefusal(const std::string& words) {
    return {MessageKind::Refusal, "Error Message", words};
}

// Titled after the box, as the start box's refusal is not: the user sees which box to mend.
Message leaveAloneRefusal(const std::string& words) {
    return {MessageKind::Refusal, "Leave alone", words};
}

Message unexpectedProblem(Undertaking undertaking, const std::optional<std::string>& what) {
    std::string text;
    switch (undertaking) {
    case Undertaking::StartUp:
        text = "Start-up";
        break;
    case Undertaking::OpenedDocument:
        text = "Taking up the document PowerLogic opened";
        break;
    case Undertaking::Pass:
        text = "The pass";
        break;
    case Undertaking::Preview:
        text = "The preview";
        break;
    }
    text += " ended because of an unexpected problem";
    return {MessageKind::Failure, sequateTitle, what ? text + ": " + *what : text + "."};
}

Message startupFailure(engine::StartupOutcome outcome, bool openedDocument) {
    // The old program's words, as it said them.
    if (outcome == engine::StartupOutcome::PowerLogicNotRunning)
        return {MessageKind::Failure, sequateTitle, "Are you sure Powerlogic is running ? "};
    return {MessageKind::Failure, sequateTitle,
            openedDocument ? "There is no componets in project"
                           : "You must load a project before running Sequate"};
}

// The old program named a document it took up in a caption of its own, first without the space.
std::string documentCaption(engine::DocumentCaption moment, const std::string& document) {
    switch (moment) {
    case engine::DocumentCaption::Opening:
        return "Quillaron" + document;
    case engine::DocumentCaption::Opened:
        return "Quillaron " + document;
    case engine::DocumentCaption::Started:
        break;
    }
    return "Sequate " + document;
}

Message noStartOption(const std::string& then) {
    return {MessageKind::Refusal, sequateTitle,
            "Choose Sequate all components or Sequate selected components, then " + then + "."};
}

Message helpPageMissing(const std::string& path) {
    return {MessageKind::Failure, sequateTitle,
            "The help page could not be found: there is no file " + path +
                ". Reinstalling Sequate puts it back."};
}

Message helpPageNotOpened(const std::string& path) {
    return {MessageKind::Failure, sequateTitle,
            "The help page could not be opened. It is the file " + path +
                ", which you can open by hand in a web browser."};
}

Message csvNotSaved(const std::string& path, const std::string& reason) {
    return {MessageKind::Failure, sequateTitle,
            "The list could not be saved in \"" + path + "\": " + reason + "."};
}

Message planNotSaved(const std::string& what) {
    return {MessageKind::Failure, sequateTitle, what};
}

namespace {

std::string withoutEcoText(engine::WithoutEcoFile renames) {
    switch (renames) {
    case engine::WithoutEcoFile::PutBack:
        return "No ECO file was written, so the layout will keep the last pass's renames.\n\n"
               "Keep the schematic put back without an ECO file? If not, the last pass's names "
               "come back, so that schematic and layout stay in step.";
    case engine::WithoutEcoFile::KeptRenames:
        return "No ECO file was written, so the layout will not get the renames kept from the "
               "pass that was cut short.\n\nPut the names back, so that schematic and layout "
               "stay in step, or keep the renames without an ECO file?";
    case engine::WithoutEcoFile::PassRenames:
        break;
    }
    return "No ECO file was written, so the layout will not get this pass's renames.\n\n"
           "Put the names back, so that schematic and layout stay in step, or keep the renames "
           "without an ECO file?";
}

} // namespace

// The same answers wherever it is asked; Escape keeps nothing the layout will not get.
Question keepRenamesWithoutEcoQuestion(engine::WithoutEcoFile renames) {
    return {sequateTitle, withoutEcoText(renames), "&Put the names back",
            "&Keep the renames without an ECO file", true};
}

// Escape keeps nothing of a half-finished pass: keeping it must be chosen knowingly.
Question putBackQuestion(const std::string& text) {
    return {sequateTitle, text, "&Put back", "&Keep as it is", true};
}

Question putBackLastPassQuestion(const std::string& preview) {
    return {sequateTitle, preview, "&Put back", "Cancel", false};
}

// A key pressed by mistake must not undo what the user asked for.
Question stopPassQuestion() {
    return {sequateTitle,
            "A pass is under way. Stop it? The names it has changed so far are put back.", "&Go on",
            "&Stop the pass", true};
}

} // namespace sequate::ui
