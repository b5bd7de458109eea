#include "hostfailuretexts.h"

#include "engine/passstop.h"

namespace sequate::ui {

std::string schematicUnreachable(const host::HostFailure& failure) {
    switch (failure.code()) {
    case host::HostCode::NoProject:
        return "PowerLogic has no schematic open. Open the project in PowerLogic, then press Run "
               "again.";
    case host::HostCode::NotRunning:
    case host::HostCode::ServerUnavailable:
    case host::HostCode::Timeout:
        return "PowerLogic does not answer: it may have been closed, or be busy. If it was "
               "closed, start PowerLogic with the project open; Sequate finds it again when you "
               "press Run. " +
               engine::describeFailure(failure) + ".";
    default:
        return "Sequate could not read the schematic's name from PowerLogic: " +
               engine::describeFailure(failure) + ".";
    }
}

} // namespace sequate::ui
