#pragma once

// The longest lines the main window's account line says, for the views' tests that measure
// them against its box.

#include "ui/counttext.h"
#include "ui/passtexts.h"

#include <string>
#include <vector>

namespace sequate::testing {

inline std::vector<std::string> longestAccountLines() {
    engine::PassCompleted completed{{}, {}, {}, {}, {}};
    completed.changed.resize(5000);
    completed.applied.unnamed.resize(6);
    completed.eco.emplace().delivery = host::EcoDelivery{host::EcoOutcome::Unknown, {}};
    engine::PassStopped stopped{{engine::Problem::Rule::Stopped, {}}};
    stopped.undo.stillInEffect.resize(2764);
    return {ui::accountLine(completed), ui::accountLine(stopped),
            ui::progressLine(engine::ProgressPhase::Reading, 12345, 12345)};
}

} // namespace sequate::testing
