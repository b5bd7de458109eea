#pragma once

// The test hooks that both simulated hosts share: counting the automation calls they answer,
// telling an observer about each one, and playing a fault at a chosen call on request.

#include "host/hostfailure.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace sequate::host::sim {

// What a fault planned for a call makes of it.
enum class CallFault {
    Fails,            // fails before it runs: nothing changes
    FailsAfterEffect, // runs, then fails, as when the host's answer is lost on the way
    AnswersNoObject,  // a call that gives an object gives none (nullptr) instead of running;
                      // a call that gives no object runs as usual
};

class CallMeter {
public:
    using Observer = std::function<void(const std::string& call)>;

    // Every automation method runs its work through this: the call is counted and observed,
    // then the fault a test planned for it, if any, is played around body.
    template <typename Body>
    auto run(const char* call, Body&& body) -> decltype(body());

    std::uint64_t count() const { return mCount; }
    // The k-th call from now (1-based) meets the fault; code is what a failing call reports.
    void planFault(std::uint64_t k, CallFault fault, HostCode code);
    void clearFaults() { mFaults.clear(); }
    void setObserver(Observer observer) { mObserver = std::move(observer); }

private:
    struct PlannedFault {
        CallFault fault;
        HostCode code;
    };

    // Counts and observes the call, throws a planned Fails, and gives any other fault planned.
    std::optional<PlannedFault> enter(const char* call);
    static void failAfterEffect(const char* call, const std::optional<PlannedFault>& fault);

    std::uint64_t mCount = 0;
    std::map<std::uint64_t, PlannedFault> mFaults; // by the call number that meets it
    Observer mObserver;
};

template <typename T>
inline constexpr bool givesObject = false;
template <typename T>
inline constexpr bool givesObject<std::shared_ptr<T>> = true;

template <typename Body>
auto CallMeter::run(const char* call, Body&& body) -> decltype(body()) {
    using Result = decltype(body());
    const std::optional<PlannedFault> fault = enter(call);
    if constexpr (std::is_void_v<Result>) {
        body();
        failAfterEffect(call, fault);
    } else {
        if constexpr (givesObject<Result>) {
            if (fault && fault->fault == CallFault::AnswersNoObject)
                return nullptr;
        }
        Result result = body();
        failAfterEffect(call, fault);
        return result;
    }
}

} // namespace sequate::host::sim
