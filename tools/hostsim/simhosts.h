#pragma once

// The simulated PowerLogic and PowerPCB of one simulator program, started from a state file.

#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simstate.h"

namespace sequate::hostsim {

class SimHosts {
public:
    explicit SimHosts(const host::sim::SimState& state);

    host::sim::SimPowerLogic& logic() { return mLogic; }
    host::sim::SimPowerPcb& pcb() { return mPcb; }
    const host::sim::SimPowerLogic& logic() const { return mLogic; }
    const host::sim::SimPowerPcb& pcb() const { return mPcb; }

    // What a state file saved now holds: the open document first, so that it opens again.
    host::sim::SimState currentState() const;

private:
    host::sim::SimPowerLogic mLogic;
    host::sim::SimPowerPcb mPcb;
};

} // namespace sequate::hostsim
