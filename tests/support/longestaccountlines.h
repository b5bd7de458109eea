#pragma once

// The longest lines the main window's account line says, for the views' tests that measure
// them against its box.

#include "ui/counttext.h"
#include "ui/passtexts.h"

#include <string>
#include <vector>

namespace sequate::testing {

inline std::vector<std::string> longestAccountLines() {
    engine::PassResult completed;
    completed.completed = true;
    completed.changed.resize(5000);
    completed.unnamed.resize(6);
    completed.eco = engine::EcoSent{engine::EcoDestination::None, host::EcoOutcome::Unknown, {}};
    engine::PassResult stopped;
    stopped.stillInEffect.resize(2764);
    return {ui::accountLine(completed), ui::accountLine(stopped),
            ui::progressLine(engine::ProgressPhase::Reading, 12345, 12345)};
}

} // namespace sequate::testing
