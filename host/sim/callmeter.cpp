#include "callmeter.h"

#include <stdexcept>

namespace sequate::host::sim {

std::optional<CallMeter::PlannedFault> CallMeter::enter(const char* call) {
    ++mCount;
    if (mObserver)
        mObserver(call);
    const auto planned = mFaults.find(mCount);
    if (planned == mFaults.end())
        return std::nullopt;
    const PlannedFault fault = planned->second;
    mFaults.erase(planned);
    if (fault.fault == CallFault::Fails)
        throw HostFailure(fault.code, std::string(call) + " failed with " + codeText(fault.code) +
                                          " (failure injected by the test)");
    return fault;
}

void CallMeter::failAfterEffect(const char* call, const std::optional<PlannedFault>& fault) {
    if (!fault || fault->fault != CallFault::FailsAfterEffect)
        return;
    throw HostFailure(fault->code, std::string(call) + " took effect, then failed with " +
                                       codeText(fault->code) + " (failure injected by the test)");
}

void CallMeter::planFault(std::uint64_t k, CallFault fault, HostCode code) {
    if (k == 0)
        throw std::invalid_argument("a call fault: calls are counted from 1");
    mFaults[mCount + k] = {fault, code};
}

} // namespace sequate::host::sim
