#pragma once

// Test-only faults of the simulator program: die, or stop answering for a while, when the
// k-th automation call (counted over PowerLogic and PowerPCB together, from 1) comes in,
// before it runs; fail it with a code, before it runs or after it took effect; or answer "no
// object" to chosen calls that give an object. Shows what a host that crashes, hangs, refuses
// or has lost an object in the middle of a pass does.

#include "host/hostfailure.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace sequate::hostsim {

struct FaultPlan {
    std::optional<std::uint64_t> exitAtCall;
    std::optional<std::uint64_t> hangAtCall;
    int hangMs = 10000;
    std::set<std::uint64_t> noObjectAtCalls;
    std::optional<std::uint64_t> failAtCall;
    // The call runs, then answers a failure, as when its answer is lost on the way back.
    std::optional<std::uint64_t> failAfterEffectAtCall;
    host::HostCode failCode = host::HostCode::Failed;
};

class CallFaults {
public:
    explicit CallFaults(FaultPlan plan);

    // Called before every automation call runs; throws host::HostFailure for a call that fails
    // before it runs.
    void beforeCall(const std::string& call);
    // Called once the call has run; throws host::HostFailure when it is to fail after its effect.
    void afterEffect();
    std::uint64_t calls() const { return mCalls; }
    // Whether the call being answered gives "no object" in place of the object it made.
    bool answersNoObject() const { return mPlan.noObjectAtCalls.contains(mCalls); }

private:
    FaultPlan mPlan;
    std::uint64_t mCalls = 0;
    std::optional<std::string> mFailingAfterEffect; // the call now running, when it is to fail
};

} // namespace sequate::hostsim
