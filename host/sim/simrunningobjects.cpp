#include "simrunningobjects.h"

#include "simpowerlogic.h"
#include "simpowerpcb.h"

namespace sequate::host::sim {

SimRunningObjects::SimRunningObjects(SimPowerLogic* logic, SimPowerPcb* pcb)
    : mLogic(logic), mPcb(pcb) {}

std::shared_ptr<LogicApplication> SimRunningObjects::attachPowerLogic() {
    if (mLogic == nullptr)
        throw HostFailure(HostCode::NotRunning,
                          "no running object is registered as \"PowerLogic.Application\"");
    return mLogic->application();
}

std::shared_ptr<PcbApplication> SimRunningObjects::attachPowerPcb() {
    if (mPcb == nullptr)
        throw HostFailure(HostCode::NotRunning,
                          "no running object is registered as \"PowerPCB.Application\"");
    return mPcb->application();
}

} // namespace sequate::host::sim
