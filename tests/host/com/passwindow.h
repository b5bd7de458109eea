#pragma once

// A whole pass as the program runs it, over whatever hosts it is given: start-up, then Run
// with the options of a mode and the ECO file handed to PowerPCB.

#include "comsimprocess.h"
#include "engine/hostsession.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "tests/support/passoutcome.h"
#include "tools/passcore/runnerwindow.h"

#include <optional>
#include <string>

namespace sequate::testing {

enum class Mode { All, SelectedAssign, SelectedDuplicates };

struct PassRun {
    std::optional<engine::PassOutcome> result;
    std::vector<engine::ShownMessage> messages;
    std::optional<std::string> eco;
};

// handOff ticks "Write ECO file for PowerPCB" with "Write and force read in PCB".
// Each pass keeps its journal in a folder of its own, so that a pass a test stopped is not
// offered to the next one.
inline PassRun runPass(host::RunningObjects& objects, Mode mode, bool handOff) {
    static int passes = 0;
    engine::HostSession state;
    state.journalFolder = temporaryFile("journals-" + std::to_string(++passes));
    tools::RunnerWindow window(objects, std::nullopt, "test");
    PassRun run;
    if (engine::startUp(state, window, objects) != engine::StartupOutcome::Running) {
        run.messages = window.messages;
        return run;
    }
    const auto eco = handOff ? engine::EcoDestination::PowerPcb : engine::EcoDestination::None;
    const engine::PassRequest request =
        mode == Mode::All
            ? engine::allComponentsRequest("1", eco)
            : engine::selectedComponentsRequest("1", mode == Mode::SelectedDuplicates, eco);
    run.result = pressRunAndTell(state, window.ports(), request);
    run.messages = window.messages;
    run.eco = window.ecoWritten();
    return run;
}

} // namespace sequate::testing
