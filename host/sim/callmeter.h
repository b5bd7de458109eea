#pragma once

// The test hooks that both simulated hosts share: counting the automation calls they answer,
// telling an observer about each one, and failing a chosen call on request.

#include "host/hostfailure.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace sequate::host::sim {

class CallMeter {
public:
    using Observer = std::function<void(const std::string& call)>;

    // Every automation method starts with this. Throws the failure a test asked for when this
    // is the call it named; the call is counted and observed either way.
    void enter(const char* call);

    std::uint64_t count() const { return mCount; }
    void failCall(std::uint64_t k, HostCode code);
    void setObserver(Observer observer) { mObserver = std::move(observer); }

private:
    std::uint64_t mCount = 0;
    std::map<std::uint64_t, HostCode> mFailures; // by the call number that fails
    Observer mObserver;
};

} // namespace sequate::host::sim
