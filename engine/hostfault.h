#pragma once

// PowerLogic's failures as the engine carries them to the window's layer, which words them
// (ui/hostfailuretexts.h): the engine holds no sentence of its own about them.

#include "host/hostfailure.h"

#include <optional>
#include <string>

namespace sequate::engine {

// A failure of PowerLogic's as a value: its code and its own words, which ui/ words
// (ui/hostfailuretexts.h).
struct HostFault {
    host::HostCode code = host::HostCode::Failed;
    std::string detail;

    static HostFault of(const host::HostFailure& failure) {
        return {failure.code(), failure.what()};
    }
    bool operator==(const HostFault&) const = default;
};

// What ending PowerLogic's pass has to tell: that a pass an earlier run left open was closed,
// and that PowerLogic could not end the pass (its failure).
struct PassLockNews {
    bool closedEarlierPass = false;
    std::optional<HostFault> notEnded;

    bool empty() const { return !closedEarlierPass && !notEnded; }
    bool operator==(const PassLockNews&) const = default;
};

} // namespace sequate::engine
