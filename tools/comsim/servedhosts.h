#pragma once

// The in-memory PowerLogic and PowerPCB as COM objects: each served object holds the simulated
// host's object of its kind and answers the operations at their slots.

#include "host/powerlogic.h"
#include "host/powerpcb.h"

#include <memory>
#include <oaidl.h>

namespace sequate::host::sim {
class SimPowerLogic;
}

namespace sequate::comsim {

// The application objects that go into the table of running objects. The PowerLogic one also
// sends the in-memory application's OpenDocument notifications to the clients advised at its
// connection point.
IUnknown* servedPowerLogic(host::sim::SimPowerLogic& logic);
IUnknown* servedPowerPcb(std::shared_ptr<host::PcbApplication> application);

} // namespace sequate::comsim
