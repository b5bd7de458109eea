#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicObjects : public LogicObjects, private RemoteObject {
public:
    DbusLogicObjects(std::shared_ptr<HostConnection> host, QString path);

    std::int32_t Count() override;
    std::shared_ptr<LogicComponent> Item(std::int32_t index) override;
    std::shared_ptr<LogicComponent> Item(const std::string& name) override;
};

} // namespace sequate::host::dbus
