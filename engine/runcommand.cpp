#include "runcommand.h"

#include "partname.h"

namespace sequate::engine {

namespace {

std::optional<PassResult> runIfAcceptable(FormState& state, FormWindow& window, PassScope scope,
                                          const char* refusal) {
    if (CheckTextBox(window.startText())) {
        window.showMessage(MessageStyle::Exclamation, "Error Message", refusal);
        return std::nullopt;
    }
    return StartFrom(state, window, scope);
}

} // namespace

bool CheckTextBox(const std::string& text) {
    const auto number = toInt16(text);
    return !number || *number == 0;
}

std::optional<PassResult> pressRun(FormState& state, FormWindow& window) {
    std::optional<PassResult> result;
    try {
        if (window.optStart())
            result = runIfAcceptable(state, window, PassScope::AllComponents, "Illegal Value");
        if (window.optSelected())
            result = runIfAcceptable(state, window, PassScope::SelectedComponents,
                                     "Illegal value in Start textbox");
    } catch (const std::exception& problem) {
        window.showMessage(MessageStyle::Critical, "Sequate",
                           std::string("The pass ended because of an unexpected problem: ") +
                               problem.what());
    } catch (...) {
        window.showMessage(MessageStyle::Critical, "Sequate",
                           "The pass ended because of an unexpected problem.");
    }
    return result;
}

void cmdRun_Click(FormState& state, FormWindow& window) {
    pressRun(state, window);
}

} // namespace sequate::engine
