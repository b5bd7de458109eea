#pragma once

// Small designs and helpers the simulator tests share.

#include "host/hostfailure.h"
#include "host/sim/simstate.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::host::sim::test {

inline ComponentData part(std::string name, bool selected = false,
                          std::vector<PlacementData> placements = {}) {
    return {std::move(name), selected, std::move(placements)};
}

// amp.sch: R1*, C1, U1* (two gates), R2, C2* (* selected); empty.sch; an unsaved one.
inline std::vector<DocumentData> threeDocuments() {
    return {
        {"amp.sch",
         {part("R1", true, {{1200, 800}}), part("C1", false, {{300, 400}}),
          part("U1", true, {{500, 400}, {700, 400.5}}), part("R2"), part("C2", true, {{0, 0}})}},
        {"empty.sch", {}},
        {"", {part("Q1"), part("Q2", true)}},
    };
}

// The code of the failure the call throws; none when it succeeds.
inline std::optional<HostCode> failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const HostFailure& failure) {
        return failure.code();
    }
    return std::nullopt;
}

} // namespace sequate::host::sim::test
