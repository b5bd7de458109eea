#pragma once

#include "host/runningobjects.h"

namespace sequate::host::sim {

class SimPowerLogic;
class SimPowerPcb;

// The running-object table of a machine on which the given simulators run; a null one is
// "not running". The simulators must outlive this object.
class SimRunningObjects : public RunningObjects {
public:
    SimRunningObjects(SimPowerLogic* logic, SimPowerPcb* pcb);

    std::shared_ptr<LogicApplication> attachPowerLogic() override;
    std::shared_ptr<PcbApplication> attachPowerPcb() override;

private:
    SimPowerLogic* mLogic;
    SimPowerPcb* mPcb;
};

} // namespace sequate::host::sim
