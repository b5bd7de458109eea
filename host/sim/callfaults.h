#pragma once

// Test-only faults of the simulator programs, sequate-hostsim on the bus and sequate-comsim
// over COM alike: die, or stop answering for a while, when the k-th automation call (counted
// over PowerLogic and PowerPCB together, from 1) comes in, before it runs; fail it with a
// code, before it runs or after it took effect; or answer "no object" to chosen calls that give
// an object. Shows what a host that crashes, hangs, refuses or has lost an object in the middle
// of a pass does.

#include "host/hostfailure.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace sequate::host::sim {

struct FaultPlan {
    std::optional<std::uint64_t> exitAtCall;
    std::optional<std::uint64_t> hangAtCall;
    unsigned hangMs = 10000;
    std::set<std::uint64_t> noObjectAtCalls;
    std::optional<std::uint64_t> failAtCall;
    // The call runs, then answers a failure, as when its answer is lost on the way back.
    std::optional<std::uint64_t> failAfterEffectAtCall;
    HostCode failCode = HostCode::Failed;
};

// The command-line options of the faults, without their dashes, each taking one value.
inline constexpr std::string_view faultOptions[] = {
    "exit-at-call", "hang-at-call",     "hang-ms", "fail-at-call", "fail-after-effect-at-call",
    "fail-code",    "no-object-at-call"};

inline bool isFaultOption(std::string_view option) {
    for (const std::string_view fault : faultOptions) {
        if (fault == option)
            return true;
    }
    return false;
}

// Sets the fault that the option names from its value as typed: a call number from 1, the
// milliseconds of a hang, or a code in hex. Throws std::invalid_argument naming the option and
// the value.
void setFault(FaultPlan& plan, std::string_view option, const std::string& value);

class CallFaults {
public:
    // program names the simulator in what it says on standard error.
    CallFaults(std::string program, FaultPlan plan);

    // Called before every automation call runs, with its name (or empty, to name it by its
    // number); throws HostFailure for a call that fails before it runs.
    void beforeCall(const std::string& call);
    // Called once the call has run; throws HostFailure when it is to fail after its effect.
    void afterEffect();
    std::uint64_t calls() const { return mCalls; }
    // Whether the call being answered gives "no object" in place of the object it made.
    bool answersNoObject() const { return mPlan.noObjectAtCalls.contains(mCalls); }

private:
    std::string mProgram;
    FaultPlan mPlan;
    std::uint64_t mCalls = 0;
    std::optional<std::string> mFailingAfterEffect; // the call now running, when it is to fail
};

} // namespace sequate::host::sim
