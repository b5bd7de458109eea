#pragma once

// The simulated applications' class identifiers, which nothing registers: the simulator puts its
// applications in the table of running objects under them, and Sequate finds them there when its
// environment names them (host/com/comrunningobjects.h), so that nothing of the simulator's
// stands where the real PowerLogic and PowerPCB are found.

#include <string>
#include <utility>
#include <vector>

namespace sequate::comsim {

// Each application's class variable and the simulator's class identifier for it, in braces.
std::vector<std::pair<std::wstring, std::wstring>> simulatedClasses();

// Sets them in this process's environment, which the programs it starts inherit.
void pointAtTheSimulator();

} // namespace sequate::comsim
