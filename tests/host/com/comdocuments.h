#pragma once

// The documents the COM tests run against, and reading what comes of them.

#include "host/hostfailure.h"
#include "host/sim/simstate.h"
#include "tests/support/sampledocuments.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace sequate::testing {

// amp.sch (open at start): R1 selected, C1, U1 selected with two gates, R2; blank.sch with no
// components; an unsaved document with Q1 twice (the second selected); a layout of amp's names.
inline host::sim::SimState bindingState() {
    using host::sim::ComponentData;
    using host::sim::DocumentData;
    const DocumentData amp{
        "amp.sch",
        {ComponentData{"R1", true, {{1200, 800}}}, ComponentData{"C1", false, {{300, 1600.5}}},
         ComponentData{"U1", true, {{500, 400}, {1100, -400}}}, ComponentData{"R2", false, {}}}};
    const DocumentData blank{"blank.sch", {}};
    const DocumentData unsaved{
        "", {ComponentData{"Q1", false, {{1, 2}}}, ComponentData{"Q1", true, {{3, 4}}}}};
    return {{amp, blank, unsaved}, host::sim::LayoutData{"amp.pcb", {"R1", "C1", "U1", "R2"}}};
}

// The code of the HostFailure that call throws; fails the test when it throws none.
template <class Call>
host::HostCode failureOf(Call call) {
    try {
        call();
    } catch (const host::HostFailure& failure) {
        return failure.code();
    }
    ADD_FAILURE() << "the call did not fail";
    return host::HostCode{};
}

} // namespace sequate::testing
