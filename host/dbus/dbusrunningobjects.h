#pragma once

// The running-object table on Linux: an application is running when its well-known name
// ("PowerLogic.Application", "PowerPCB.Application") has an owner on the D-Bus session bus.

#include "host/runningobjects.h"

namespace sequate::host::dbus {

class DbusRunningObjects : public RunningObjects {
public:
    // Every call over the bus gives up after timeoutMs and fails with HostCode::Timeout.
    explicit DbusRunningObjects(int timeoutMs = 5000);

    std::shared_ptr<LogicApplication> attachPowerLogic() override;
    std::shared_ptr<PcbApplication> attachPowerPcb() override;

private:
    int mTimeoutMs;
};

} // namespace sequate::host::dbus
