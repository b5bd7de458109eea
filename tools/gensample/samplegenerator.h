#pragma once

// The sample design that the simulators open by default, an amplifier board of a few hundred
// parts, and designs like it of any size for tests and benchmarks, made the same way every
// time for the same options.

#include "host/sim/simstate.h"

#include <cstdint>
#include <optional>

namespace sequate::tools {

struct SampleOptions {
    int components = 320;
    std::uint32_t seed = 1402;
    // Share of the components selected, from 0 to 1. Without it one part is selected, so that a
    // pass over all components numbers the whole design.
    std::optional<double> selectedFraction;
    // PowerLogic lists components in the order of its database, not in the order they were
    // placed. The bundled sample keeps creation order, which reads better in the simulator.
    bool shuffled = false;
};

host::sim::SimState makeSampleState(const SampleOptions& options = {});

} // namespace sequate::tools
