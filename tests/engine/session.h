#pragma once

// A running PowerLogic (in memory) with Sequate started up against it, driven headless.

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "tests/support/passoutcome.h"
#include "tests/support/privatedatafolder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace sequate::engine::testing {

using sequate::testing::completed;
using sequate::testing::problemOf;
using sequate::testing::whatStopped;

inline host::sim::ComponentData part(const std::string& name, bool selected = false, double x = 0,
                                     double y = 0) {
    return {name, selected, {{x, y}}};
}

inline host::sim::DocumentData document(std::vector<host::sim::ComponentData> components,
                                        const std::string& name = "amp.sch") {
    return {name, std::move(components)};
}

// The rename of the component at `index` (from 0), as the engine records it.
inline Rename renameOf(std::size_t index, std::string before, std::string after) {
    return {ComponentIndex(index), std::move(before), std::move(after)};
}

struct Session {
    host::sim::SimPowerLogic logic;
    host::sim::SimRunningObjects objects{&logic, nullptr};
    HostSession state;
    engine::HeadlessWindow window;
    StartupOutcome startup;

    explicit Session(std::vector<host::sim::DocumentData> documents)
        : logic(std::move(documents)), startup(startUp(state, window, objects)) {
        // Each session is a desk of its own: no journal of another session's pass.
        static int sessions = 0;
        state.journalFolder =
            sequate::testing::privateDataFolder / "sessions" / std::to_string(++sessions);
    }
    explicit Session(host::sim::DocumentData doc)
        : Session(std::vector<host::sim::DocumentData>{std::move(doc)}) {}

    std::optional<PassOutcome> run(const PassRequest& request) {
        return sequate::testing::pressRunAndTell(state, window.ports(), request);
    }
    PassOutcome runAll(const std::string& start = "1") { return *run(allComponentsRequest(start)); }
    PassOutcome runSelected(const std::string& start = "1", bool duplicates = false) {
        return *run(selectedComponentsRequest(start, duplicates));
    }
    std::vector<std::string> names() const { return logic.openNames(); }
};

// The position, from the start of the pass, of the n-th call of the given kind.
inline std::uint64_t nthCall(const host::sim::DocumentData& doc, const PassRequest& request,
                             const std::string& kind, int n) {
    Session probe(doc);
    std::vector<std::string> calls;
    probe.logic.setCallObserver([&](const std::string& call) { calls.push_back(call); });
    probe.run(request);
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i] == kind && --n == 0)
            return i + 1;
    ADD_FAILURE() << "no such call";
    return 0;
}

} // namespace sequate::engine::testing
