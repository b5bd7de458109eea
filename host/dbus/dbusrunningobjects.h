#pragma once

// The running-object table on Linux: an application is running when its well-known name
// ("PowerLogic.Application", "PowerPCB.Application") has an owner on the D-Bus session bus.

#include "host/calltrace.h"
#include "host/runningobjects.h"

#include <QDBusConnection>
#include <QString>

namespace sequate::host::dbus {

class DbusHost;

class DbusRunningObjects : public RunningObjects {
public:
    // Every call over the bus gives up after timeoutMs and fails with HostCode::Timeout.
    explicit DbusRunningObjects(int timeoutMs = 5000);
    // On a given bus, such as a private one in tests.
    explicit DbusRunningObjects(QDBusConnection bus, int timeoutMs = 5000);

    std::shared_ptr<LogicApplication> attachPowerLogic() override;
    std::shared_ptr<PcbApplication> attachPowerPcb() override;

    // Every call of the applications attached from now on is written to the trace (by
    // default the one SEQUATE_TRACE names, if any).
    void traceTo(std::shared_ptr<CallTrace> trace) { mTrace = std::move(trace); }

private:
    std::shared_ptr<DbusHost> attach(const QString& service, const QString& title);

    QDBusConnection mBus;
    int mTimeoutMs;
    std::shared_ptr<CallTrace> mTrace = CallTrace::fromEnvironment();
};

} // namespace sequate::host::dbus
