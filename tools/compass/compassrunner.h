#pragma once

// sequate-pass-com: one numbering pass over the schematic open in the running PowerLogic,
// reached through COM, without a window. The runners' core (tools/passcore) starts up as the
// program does, presses Run with the given options, hands the ECO file to the running PowerPCB
// and tells in JSON what came of it, as sequate-pass does; this front end adds the COM
// binding's log, the check of the applications' declared types and --describe.

#include <ostream>
#include <string>
#include <vector>

namespace sequate::tools {

// The arguments after the program name; exit status 0 when a pass ran (completed or
// stopped), 1 when start-up or Run refused, 2 for bad arguments.
int comRunnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace sequate::tools
