#include "busrunner.h"

#include "host/dbus/dbusrunningobjects.h"

#include <QCoreApplication>

namespace sequate::tools {

RunnerOutcome runOnBus(const PassProgramOptions& options, std::shared_ptr<host::CallTrace> trace) {
    int argc = 1;
    char name[] = "sequate-pass";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    host::dbus::DbusRunningObjects objects;
    if (trace)
        objects.traceTo(std::move(trace));
    RunnerHosts hosts{objects};
    hosts.addFields = [](Json& report) {
        report["layout"] = nullptr;
        report["host_calls"] = nullptr;
    };
    return runRunner(hosts, options.runner, passProgramName);
}

} // namespace sequate::tools
