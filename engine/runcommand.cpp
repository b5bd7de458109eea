#include "runcommand.h"

#include "recovery.h"

namespace sequate::engine {

std::optional<PassResult> pressRun(HostSession& state, const PassPorts& ports,
                                   const PassRequest& request) {
    try {
        // A pass cut short is settled first. Where the user was asked about it, or its renames
        // still wait for the layout, the pass asked for does not follow, and the user is told.
        if (!recoverUnfinishedPass(state, ports, request.eco, std::nullopt, true).passMayFollow)
            return std::nullopt;
        return runPass(state, ports, request);
    } catch (const std::exception& problem) {
        ports.dialogs.showMessage(MessageKind::Failure, "Sequate",
                                  std::string("The pass ended because of an unexpected problem: ") +
                                      problem.what());
    } catch (...) {
        ports.dialogs.showMessage(MessageKind::Failure, "Sequate",
                                  "The pass ended because of an unexpected problem.");
    }
    return std::nullopt;
}

} // namespace sequate::engine
