#pragma once

#include "host/powerpcb.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusPcbApplication : public PcbApplication, private RemoteObject {
public:
    explicit DbusPcbApplication(std::shared_ptr<HostConnection> host);

    std::shared_ptr<PcbDocument> CurrentDocument() override;
};

} // namespace sequate::host::dbus
