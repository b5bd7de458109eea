#pragma once

#include "host/powerpcb.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusPcbDocument : public PcbDocument, private RemoteObject {
public:
    DbusPcbDocument(std::shared_ptr<HostConnection> host, QString path);

    void ReadEcoFile(const std::string& path) override;
};

} // namespace sequate::host::dbus
