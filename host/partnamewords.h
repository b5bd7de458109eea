#pragma once

// The name rules' faults in words, for the places that tell them today: the ECO writer's
// refusal, the check of a plan against the layout and the simulated hosts' refusals. The words
// are made from the fault alone; the rules stay in partnamerules.h.

#include "partnamerules.h"

#include <string>

namespace sequate::host {

// Why, the name itself left out: "contains a blank", "is 17 characters long; the layout takes
// at most 15".
std::string nameFaultReason(const NameFault& fault);

// Why the layout cannot carry the name, the name in front, such as "\"TESTPOINTPAD32000\" is
// 17 characters long; the layout takes at most 15"; empty when it can. For a name planned
// before it is given, so that no rename is made that the layout would refuse.
std::string layoutNameProblem(const std::string& name);

// Why PowerLogic's SetName refuses the name on its own merits; empty when it takes the name.
std::string powerLogicNameProblem(const std::string& name);

} // namespace sequate::host
