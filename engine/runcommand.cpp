#include "runcommand.h"

#include "recovery.h"

namespace sequate::engine {

std::optional<PassOutcome> pressRun(HostSession& state, const PassPorts& ports,
                                    const PassRequest& request) {
    if (!recoverUnfinishedPass(state, ports, request.eco, std::nullopt, true).passMayFollow)
        return std::nullopt;
    return runPass(state, ports, request);
}

} // namespace sequate::engine
