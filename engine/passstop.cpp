#include "passstop.h"

namespace sequate::engine {

std::string describeFailure(const host::HostFailure& failure) {
    std::string text;
    switch (failure.code()) {
    case host::HostCode::NotRunning:
    case host::HostCode::ServerUnavailable:
        // It cannot have reported anything: it is gone.
        text = "PowerLogic is no longer there to answer";
        break;
    case host::HostCode::Timeout:
        text = "PowerLogic did not answer in time";
        break;
    case host::HostCode::NoProject:
        text = "PowerLogic has no project open";
        break;
    default:
        text = "PowerLogic refused the call";
        break;
    }
    text += " (error " + host::codeText(failure.code());
    const std::string detail = failure.what();
    if (!detail.empty())
        text += ": " + detail;
    return text + ")";
}

} // namespace sequate::engine
