#include "callmeter.h"

#include <stdexcept>

namespace sequate::host::sim {

void CallMeter::enter(const char* call) {
    ++mCount;
    if (mObserver)
        mObserver(call);
    const auto failure = mFailures.find(mCount);
    if (failure == mFailures.end())
        return;
    const HostCode code = failure->second;
    mFailures.erase(failure);
    throw HostFailure(code, std::string(call) + " failed with " + codeText(code) +
                                " (failure injected by the test)");
}

void CallMeter::failCall(std::uint64_t k, HostCode code) {
    if (k == 0)
        throw std::invalid_argument("failCall: calls are counted from 1");
    mFailures[mCount + k] = code;
}

} // namespace sequate::host::sim
