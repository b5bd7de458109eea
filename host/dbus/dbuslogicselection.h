#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicSelection : public LogicSelection, private RemoteObject {
public:
    DbusLogicSelection(std::shared_ptr<HostConnection> host, QString path);

    std::int32_t Count() override;
};

} // namespace sequate::host::dbus
