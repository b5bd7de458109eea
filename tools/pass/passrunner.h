#pragma once

// sequate-pass: one numbering pass over a schematic from a state file, without a display.
// Loads the state into the in-memory PowerLogic and PowerPCB, starts up as the program does,
// presses Run with the given options and tells in JSON what came of it.

#include "engine/recovery.h"
#include "host/calltrace.h"
#include "host/sim/simstate.h"

#include <QJsonObject>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace sequate::tools {

struct RunnerOptions {
    std::string statePath;
    bool selected = false;   // --mode selected; else all components
    bool duplicates = false; // "Rename duplicates" instead of "Assign next free names"
    std::string startText = "1";
    bool planOnly = false; // read and plan, rename nothing
    bool pass = true;      // --mode was given
    // --bus: the PowerLogic and PowerPCB running on the session bus, not the state file's.
    bool bus = false;
    // --recover: settle a pass an earlier run left unfinished, before any pass.
    std::optional<engine::RecoveryChoice> recover;
    // --eco-file: "Write only" to this file, as if chosen in the save dialog, in place of the
    // hand-off to PowerPCB.
    std::optional<std::string> ecoFile;
    // --trace FILE, with --bus: every automation call written to FILE.
    std::string tracePath;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. Throws UsageError saying what is wrong.
RunnerOptions parseArguments(const std::vector<std::string>& arguments);

struct RunnerOutcome {
    int exitStatus = 0; // 0 a pass ran (completed or stopped), 1 start-up or Run refused
    QJsonObject report;
};

RunnerOutcome runPass(const host::sim::SimState& state, const RunnerOptions& options);
// The same against the hosts on the session bus, each call written to the trace if one is given.
RunnerOutcome runOnBus(const RunnerOptions& options, std::shared_ptr<host::CallTrace> trace = {});

// The whole program; exit status 2 for bad arguments, a bad state file or a trace that cannot be
// written.
int runnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace sequate::tools
