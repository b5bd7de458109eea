#include "passstop.h"

namespace sequate::engine {

std::string describeFailure(const host::HostFailure& failure) {
    std::string text = "PowerLogic reported error " + host::codeText(failure.code());
    const std::string detail = failure.what();
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}

} // namespace sequate::engine
