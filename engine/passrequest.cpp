#include "passrequest.h"

namespace sequate::engine {

// A start below 1 gives names such as R0, C-5 or a bare "-1", a fraction would be rounded
// without a word, and part-name numbers are 16-bit: only whole numbers 1..32767 are taken.
std::optional<std::int16_t> startNumber(const std::string& startText) {
    const std::size_t first = startText.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = startText.find_last_not_of(" \t");
    long value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (startText[i] < '0' || startText[i] > '9')
            return std::nullopt;
        value = value * 10 + (startText[i] - '0');
        if (value > INT16_MAX)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

RequestOrRefusal requestPass(PassScope scope, TakenNamePolicy policy, const std::string& startText,
                             EcoDestination eco, WalkOrder order,
                             const std::string& leaveAloneText) {
    const std::optional<std::int16_t> start = startNumber(startText);
    // The old program's words come first: its users know them. The second line says what it
    // never did, what would be taken.
    if (!start)
        return {std::nullopt,
                std::string(scope == PassScope::AllComponents ? "Illegal Value"
                                                              : "Illegal value in Start textbox") +
                    "\nType a whole number from 1 to 32767."};
    LeaveAloneOrRefusal leaveAlone = parseLeaveAlone(leaveAloneText);
    if (!leaveAlone.leaveAlone)
        return {std::nullopt, leaveAlone.refusal};
    PassRequest request;
    request.scope = scope;
    if (scope == PassScope::SelectedComponents)
        request.policy = policy;
    request.start = *start;
    request.eco = eco;
    request.order = order;
    request.leaveAlone = std::move(*leaveAlone.leaveAlone);
    return {request, {}};
}

} // namespace sequate::engine
