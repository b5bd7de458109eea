#include "hostfailure.h"

#include <cstdio>

namespace sequate::host {

std::string codeText(HostCode code) {
    const auto value = static_cast<std::uint32_t>(code);
    char buffer[16];
    if (value < 0x10000)
        std::snprintf(buffer, sizeof buffer, "%u", static_cast<unsigned>(value));
    else
        std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

HostFailure::HostFailure(HostCode code, const std::string& message)
    : std::runtime_error(message), mCode(code) {}

} // namespace sequate::host
