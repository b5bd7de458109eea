#include "passrequest.h"

namespace sequate::engine {

std::optional<StartNumber> StartNumber::read(const std::string& startText) {
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
    return StartNumber(static_cast<std::int16_t>(value));
}

RequestOrRefusal requestPass(PassScope scope, TakenNamePolicy policy, const std::string& startText,
                             EcoDestination eco, WalkOrder order,
                             const std::string& leaveAloneText) {
    const std::optional<StartNumber> start = StartNumber::read(startText);
    if (!start)
        return {std::nullopt, PassRefusal{PassRefusal::Box::Start, scope, {}}};
    LeaveAloneOrRefusal leaveAlone = parseLeaveAlone(leaveAloneText);
    if (!leaveAlone.leaveAlone)
        return {std::nullopt, PassRefusal{PassRefusal::Box::LeaveAlone, scope,
                                          std::move(leaveAlone.refusedEntry)}};
    PassRequest request;
    request.scope = scope;
    if (scope == PassScope::SelectedComponents)
        request.policy = policy;
    request.start = *start;
    request.eco = eco;
    request.order = order;
    request.leaveAlone = std::move(*leaveAlone.leaveAlone);
    return {std::move(request), std::nullopt};
}

} // namespace sequate::engine
