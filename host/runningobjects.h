#pragma once

#include "powerlogic.h"
#include "powerpcb.h"

#include <memory>

namespace sequate::host {

// The table of running automation objects: attaches to an application that is already
// running, by its class name ("PowerLogic.Application", "PowerPCB.Application"). Never starts
// one. Throws HostFailure with HostCode::NotRunning when none is registered.
class RunningObjects {
public:
    virtual ~RunningObjects() = default;
    virtual std::shared_ptr<LogicApplication> attachPowerLogic() = 0;
    virtual std::shared_ptr<PcbApplication> attachPowerPcb() = 0;
};

} // namespace sequate::host
