#pragma once

// The committed sample and the names of a document, for the tests and benchmarks of either
// binding. Its users define SEQUATE_SAMPLES_DIR.

#include "host/sim/simstate.h"
#include "host/sim/statefile.h"

#include <string>
#include <vector>

namespace sequate::testing {

// The sample board with nothing selected, so that a pass over all components walks all of them.
inline host::sim::SimState sampleWithoutSelection() {
    auto state = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    for (auto& doc : state.documents)
        for (auto& component : doc.components)
            component.selected = false;
    return state;
}

inline std::vector<std::string> namesOf(const host::sim::DocumentData& doc) {
    std::vector<std::string> names;
    for (const auto& component : doc.components)
        names.push_back(component.name);
    return names;
}

} // namespace sequate::testing
