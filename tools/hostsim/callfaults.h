#pragma once

// Test-only faults of the simulator program: die, or stop answering for a while, when the
// k-th automation call (counted over PowerLogic and PowerPCB together, from 1) comes in,
// before it runs. Shows what a host that crashes or hangs in the middle of a pass does.

#include <cstdint>
#include <optional>

namespace sequate::hostsim {

struct FaultPlan {
    std::optional<std::uint64_t> exitAtCall;
    std::optional<std::uint64_t> hangAtCall;
    int hangMs = 10000;
};

class CallFaults {
public:
    explicit CallFaults(FaultPlan plan);

    // Called before every automation call runs.
    void beforeCall();
    std::uint64_t calls() const { return mCalls; }

private:
    FaultPlan mPlan;
    std::uint64_t mCalls = 0;
};

} // namespace sequate::hostsim
