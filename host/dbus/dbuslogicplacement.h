#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicPlacement : public LogicPlacement, private RemoteObject {
public:
    DbusLogicPlacement(std::shared_ptr<HostConnection> host, QString path);

    double FirstCoordinate(std::int32_t units) override;
    double SecondCoordinate(std::int32_t units) override;
};

} // namespace sequate::host::dbus
