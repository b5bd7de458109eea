#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicComponentSet : public LogicComponentSet, private RemoteObject {
public:
    DbusLogicComponentSet(std::shared_ptr<HostConnection> host, QString path);

    std::shared_ptr<LogicObjects> Objects() override;
    std::shared_ptr<LogicObjects> Query(std::int32_t kind, const std::string& filter,
                                        std::int32_t flags) override;
};

} // namespace sequate::host::dbus
