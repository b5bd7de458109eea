#include "runcommand.h"

#include "partname.h"
#include "recovery.h"

namespace sequate::engine {

namespace {

std::optional<PassResult> runIfAcceptable(FormState& state, FormWindow& window, PassScope scope,
                                          const char* refusal) {
    if (CheckTextBox(window.startText())) {
        window.showMessage(MessageStyle::Exclamation, "Error Message", refusal);
        return std::nullopt;
    }
    // A pass cut short is settled first; the user then sees the schematic before running again.
    if (recoverUnfinishedPass(state, window).found)
        return std::nullopt;
    return StartFrom(state, window, scope);
}

} // namespace

bool CheckTextBox(const std::string& text) {
    return !acceptableStart(text);
}

std::optional<std::int16_t> acceptableStart(const std::string& text) {
    // A start below 1 gives names such as R0, C-5 or a bare "-1", and a fraction would be
    // rounded without a word: only whole numbers from 1 up are taken.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    for (std::size_t i = first; i <= last; ++i)
        if (!digit(text[i]))
            return std::nullopt;
    const auto number = toInt16(text);
    if (!number || *number < 1)
        return std::nullopt;
    return number;
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
