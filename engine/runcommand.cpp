#include "runcommand.h"

#include "partname.h"
#include "recovery.h"

namespace sequate::engine {

namespace {

std::optional<PassResult> runIfAcceptable(HostSession& state, FormWindow& window, PassScope scope,
                                          const char* refusal) {
    if (!acceptableStart(window.startText())) {
        window.showMessage(MessageStyle::Exclamation, "Error Message", refusal);
        return std::nullopt;
    }
    // A pass cut short is settled first; the user then sees the schematic before running again.
    if (recoverUnfinishedPass(state, window).found)
        return std::nullopt;
    return runPass(state, window, scope);
}

} // namespace

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

std::optional<PassResult> pressRun(HostSession& state, FormWindow& window) {
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

} // namespace sequate::engine
