#pragma once

// What the tests ask of a pass's outcome, whichever of the four it is, and Run pressed as the
// window presses it, the boxes it ends with told through the dialogs port.

#include "engine/passoutcome.h"
#include "engine/runcommand.h"
#include "ui/passmessages.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace sequate::testing {

inline bool completed(const engine::PassOutcome& outcome) {
    return std::holds_alternative<engine::PassCompleted>(outcome);
}
inline bool completed(const std::optional<engine::PassOutcome>& outcome) {
    return outcome && completed(*outcome);
}

// The problem of a pass that stopped or was refused; null for the other outcomes.
inline const engine::Problem* problemOf(const engine::PassOutcome& outcome) {
    if (const auto* stopped = std::get_if<engine::PassStopped>(&outcome))
        return &stopped->problem;
    if (const auto* refused = std::get_if<engine::RefusedBeforeRenaming>(&outcome))
        return &refused->problem;
    return nullptr;
}

// For a failed expectation: what the problem was, if there was one.
inline std::string whatStopped(const engine::PassOutcome& outcome) {
    const engine::Problem* problem = problemOf(outcome);
    return problem ? "stopped while " + problem->activity + ": " + problem->detail : "no stop";
}
inline std::string whatStopped(const std::optional<engine::PassOutcome>& outcome) {
    return outcome ? whatStopped(*outcome) : "no pass";
}

inline std::optional<engine::PassOutcome> pressRunAndTell(engine::HostSession& state,
                                                          const engine::PassPorts& ports,
                                                          const engine::PassRequest& request) {
    std::optional<engine::PassOutcome> outcome = engine::pressRun(state, ports, request);
    if (outcome)
        ui::tellPassOutcome(ports.dialogs, *outcome);
    return outcome;
}

} // namespace sequate::testing
