#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicPlacements : public LogicPlacements, private RemoteObject {
public:
    DbusLogicPlacements(std::shared_ptr<HostConnection> host, QString path);

    std::int32_t Count() override;
    std::shared_ptr<LogicPlacement> Item(std::int32_t index) override;
};

} // namespace sequate::host::dbus
