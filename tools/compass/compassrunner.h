#pragma once

// sequate-pass-com: one numbering pass over the schematic open in the running PowerLogic,
// reached through COM, without a window. Starts up as the program does, presses Run with the
// given options, hands the ECO file to the running PowerPCB and tells in JSON what came of it,
// in the form sequate-pass uses.

#include <ostream>
#include <string>
#include <vector>

namespace sequate::tools {

// The arguments after the program name; exit status 0 when a pass ran (completed or
// stopped), 1 when start-up or Run refused, 2 for bad arguments.
int comRunnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace sequate::tools
