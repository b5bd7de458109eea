#pragma once

// The documents the bus tests run against, and reading what comes of them.

#include "host/hostfailure.h"
#include "host/sim/simstate.h"
#include "host/sim/statefile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::testing {

// amp.sch (open at start): R1 selected, C1, U1 selected; blank.sch with no components; a
// layout of amp's names.
inline host::sim::SimState bindingState() {
    using host::sim::ComponentData;
    return {{{"amp.sch",
              {ComponentData{"R1", true, {{1200, 800}}}, ComponentData{"C1", false, {}},
               ComponentData{"U1", true, {{500, 400}}}}},
             {"blank.sch", {}}},
            host::sim::LayoutData{"amp.pcb", {"R1", "C1", "U1"}}};
}

// The sample board with nothing selected, so that a pass over all components walks all of
// them.
inline host::sim::SimState sampleWithoutSelection() {
    auto state = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    for (auto& component : state.documents[0].components)
        component.selected = false;
    return state;
}

// The failure that call throws as its code and message; fails the test when it throws none.
template <class Call>
std::string failureOf(Call call) {
    try {
        call();
    } catch (const host::HostFailure& failure) {
        return host::codeText(failure.code()) + " " + failure.what();
    }
    ADD_FAILURE() << "the call did not fail";
    return {};
}

inline std::vector<std::string> namesOf(const host::sim::DocumentData& doc) {
    std::vector<std::string> names;
    for (const auto& component : doc.components)
        names.push_back(component.name);
    return names;
}

} // namespace sequate::testing
