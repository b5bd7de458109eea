#pragma once

// sequate-pass: one numbering pass over a schematic from a state file, without a display, or
// over the PowerLogic and PowerPCB on the session bus. Loads the state into the in-memory
// PowerLogic and PowerPCB, and leaves the rest to the runners' core (tools/passcore): start-up
// as the program does, Run pressed with the given options, and JSON telling what came of it.

#include "host/calltrace.h"
#include "host/sim/simstate.h"
#include "tools/passcore/runnercore.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace sequate::tools {

inline constexpr const char* passProgramName = "sequate-pass";

struct PassProgramOptions {
    RunnerOptions runner;
    std::string statePath;
    // --bus: the PowerLogic and PowerPCB running on the session bus, not the state file's.
    bool bus = false;
};

// The arguments after the program name. Throws UsageError saying what is wrong.
PassProgramOptions parseArguments(const std::vector<std::string>& arguments);

// A run on the in-memory hosts of the state; the report adds the layout and the automation
// calls the simulated PowerLogic counted.
RunnerOutcome runPass(const host::sim::SimState& state, const PassProgramOptions& options);

// A run against the hosts on the session bus, each call written to the trace if one is given:
// the program's own (tools/pass/busrunner.h, Qt's D-Bus); without it --bus is refused.
using BusRun =
    std::function<RunnerOutcome(const PassProgramOptions&, std::shared_ptr<host::CallTrace>)>;

// The whole program; exit status 2 for bad arguments, a bad state file or a trace that cannot be
// written.
int runnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
               const BusRun& onBus = {});

} // namespace sequate::tools
