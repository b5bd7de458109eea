#include "callfaults.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <thread>

namespace sequate::host::sim {

namespace {

// A number of the given base from lowest to highest; otherwise what was expected. A number too
// big for its field is refused, never cut down to another number.
std::uint64_t number(std::string_view option, const std::string& text, int base,
                     std::uint64_t lowest, const char* expected,
                     std::uint64_t highest = std::numeric_limits<std::uint64_t>::max()) {
    std::string_view digits = text;
    if (base == 16 && (digits.starts_with("0x") || digits.starts_with("0X")))
        digits.remove_prefix(2);
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value < lowest || value > highest)
        throw std::invalid_argument("--" + std::string(option) + ": expected " + expected +
                                    ", not \"" + text + "\"");
    return value;
}

std::uint64_t callNumber(std::string_view option, const std::string& text) {
    return number(option, text, 10, 1, "a call number from 1");
}

} // namespace

void setFault(FaultPlan& plan, std::string_view option, const std::string& value) {
    if (option == "exit-at-call")
        plan.exitAtCall = callNumber(option, value);
    else if (option == "hang-at-call")
        plan.hangAtCall = callNumber(option, value);
    else if (option == "hang-ms")
        plan.hangMs =
            static_cast<unsigned>(number(option, value, 10, 0, "milliseconds up to 4294967295",
                                         std::numeric_limits<unsigned>::max()));
    else if (option == "fail-at-call")
        plan.failAtCall = callNumber(option, value);
    else if (option == "fail-after-effect-at-call")
        plan.failAfterEffectAtCall = callNumber(option, value);
    else if (option == "fail-code")
        plan.failCode =
            static_cast<HostCode>(number(option, value, 16, 0, "a code in hex up to 0xFFFFFFFF",
                                         std::numeric_limits<std::uint32_t>::max()));
    else if (option == "no-object-at-call")
        plan.noObjectAtCalls.insert(callNumber(option, value));
    else
        throw std::invalid_argument("--" + std::string(option) + ": no such fault");
}

CallFaults::CallFaults(std::string program, FaultPlan plan)
    : mProgram(std::move(program)), mPlan(std::move(plan)) {}

void CallFaults::beforeCall(const std::string& call) {
    ++mCalls;
    mFailingAfterEffect.reset();
    const auto count = static_cast<unsigned long long>(mCalls);
    if (mPlan.exitAtCall == mCalls) {
        std::fprintf(stderr, "%s: ending at automation call %llu, as asked\n", mProgram.c_str(),
                     count);
        // As a crash would: no clean-up, no goodbye to the clients.
        std::_Exit(3);
    }
    if (mPlan.hangAtCall == mCalls) {
        std::fprintf(stderr, "%s: not answering for %u ms at automation call %llu\n",
                     mProgram.c_str(), mPlan.hangMs, count);
        std::this_thread::sleep_for(std::chrono::milliseconds(mPlan.hangMs));
    }
    const std::string name = call.empty() ? "automation call " + std::to_string(count) : call;
    if (mPlan.failAtCall == mCalls)
        throw HostFailure(mPlan.failCode, name + " failed with " + codeText(mPlan.failCode) +
                                              " (failure injected by the test)");
    if (mPlan.failAfterEffectAtCall == mCalls)
        mFailingAfterEffect = name;
}

void CallFaults::afterEffect() {
    if (!mFailingAfterEffect)
        return;
    const std::string call = *mFailingAfterEffect;
    mFailingAfterEffect.reset();
    throw HostFailure(mPlan.failCode, call + " took effect, then failed with " +
                                          codeText(mPlan.failCode) +
                                          " (failure injected by the test)");
}

} // namespace sequate::host::sim
