#pragma once

// The running applications over COM, as host/dbus/dbusrunningobjects.h finds them on the bus.

#include "comconnection.h"
#include "host/calltrace.h"
#include "host/runningobjects.h"

#include <memory>

namespace sequate::host::com {

// "SEQUATE_POWERLOGIC_CLASS", "SEQUATE_POWERPCB_CLASS": a class identifier in braces.
const wchar_t* classVariable(Application application);

// The table of running objects of Windows: the class name to a class identifier through the
// registry, then the running instance from the table. Never starts one.
//
// A class identifier in the environment variable of an application (classVariable) stands in
// for its class name: the simulated applications serve under identifiers of their own, which
// nothing registers, and their launcher names them there for Sequate. Without the variable the
// real application is found by its class name alone.
//
// Attaching reads the types the application declares for every operation Sequate calls and
// refuses, with HostFailure naming the interface, the slot and what is declared there, an
// application that declares one in a way Sequate cannot call.
class ComRunningObjects : public RunningObjects {
public:
    // Every call gives up after timeoutMs and fails with HostCode::Timeout. The log hears what
    // people should know of an application (none: standard error); the trace, when given or
    // named by SEQUATE_TRACE, records every call.
    explicit ComRunningObjects(int timeoutMs = 5000, CallTypes::Log log = {},
                               std::shared_ptr<CallTrace> trace = CallTrace::fromEnvironment());

    std::shared_ptr<LogicApplication> attachPowerLogic() override;
    std::shared_ptr<PcbApplication> attachPowerPcb() override;

    // The application attached and its types read, without refusing any: what --describe
    // shows.
    std::shared_ptr<ComHost> inspect(Application application);

private:
    std::shared_ptr<ComHost> attach(Application application, ComPtr<IDispatch>& object);

    std::shared_ptr<Apartment> mApartment;
    int mTimeoutMs;
    CallTypes::Log mLog;
    std::shared_ptr<CallTrace> mTrace;
};

} // namespace sequate::host::com
