#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicComponent : public LogicComponent, private RemoteObject {
public:
    DbusLogicComponent(std::shared_ptr<HostConnection> host, QString path);

    std::string Value() override;
    std::string Name() override;
    void SetName(const std::string& name) override;
    bool Selected() override;
    std::shared_ptr<LogicPlacements> Placements() override;
};

} // namespace sequate::host::dbus
