#pragma once

// sequate-pass --bus: the run against the PowerLogic and PowerPCB on the D-Bus session bus, the
// one part of the program that needs Qt.

#include "passrunner.h"

namespace sequate::tools {

// The layout and the automation calls are the simulator program's to tell: the report leaves
// them empty.
RunnerOutcome runOnBus(const PassProgramOptions& options,
                       std::shared_ptr<host::CallTrace> trace = {});

} // namespace sequate::tools
