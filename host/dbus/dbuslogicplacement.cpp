#include "dbuslogicplacement.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicPlacement::DbusLogicPlacement(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicPlacement"), true) {}

double DbusLogicPlacement::FirstCoordinate(std::int32_t units) {
    return callDouble(QStringLiteral("FirstCoordinate"), {units});
}

double DbusLogicPlacement::SecondCoordinate(std::int32_t units) {
    return callDouble(QStringLiteral("SecondCoordinate"), {units});
}

} // namespace sequate::host::dbus
