#pragma once

// Test-only faults of the simulator program: die, or stop answering for a while, when the
// k-th automation call (counted over PowerLogic and PowerPCB together, from 1) comes in,
// before it runs; or answer "no object" to chosen calls that give an object. Shows what a
// host that crashes, hangs or has lost an object in the middle of a pass does.

#include <cstdint>
#include <optional>
#include <set>

namespace sequate::hostsim {

struct FaultPlan {
    std::optional<std::uint64_t> exitAtCall;
    std::optional<std::uint64_t> hangAtCall;
    int hangMs = 10000;
    std::set<std::uint64_t> noObjectAtCalls;
};

class CallFaults {
public:
    explicit CallFaults(FaultPlan plan);

    // Called before every automation call runs.
    void beforeCall();
    std::uint64_t calls() const { return mCalls; }
    // Whether the call being answered gives "no object" in place of the object it made.
    bool answersNoObject() const { return mPlan.noObjectAtCalls.contains(mCalls); }

private:
    FaultPlan mPlan;
    std::uint64_t mCalls = 0;
};

} // namespace sequate::hostsim
