#pragma once

// The sample design that the simulators open by default: an amplifier board of a few hundred
// parts, made the same way every time.

#include "host/sim/simstate.h"

namespace sequate::tools {

host::sim::SimState makeSampleState();

} // namespace sequate::tools
