#include "dialogtexts.h"

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

Message passProblem(const std::string& what) {
    return {MessageKind::Failure, sequateTitle,
            "The pass ended because of an unexpected problem: " + what};
}

Message previewProblem(const std::string& what) {
    return {MessageKind::Failure, sequateTitle,
            "The preview ended because of an unexpected problem: " + what};
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

// The same answers wherever it is asked; Escape keeps nothing the layout will not get.
Question keepRenamesWithoutEcoQuestion(const std::string& text) {
    return {sequateTitle, text, "&Put the names back", "&Keep the renames without an ECO file",
            true};
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
