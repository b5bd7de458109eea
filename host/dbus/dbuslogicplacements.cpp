#include "dbuslogicplacements.h"

#include "dbuslogicplacement.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicPlacements::DbusLogicPlacements(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicPlacements"), true) {}

std::int32_t DbusLogicPlacements::Count() {
    return callInt(QStringLiteral("Count"));
}

std::shared_ptr<LogicPlacement> DbusLogicPlacements::Item(std::int32_t index) {
    return callObject<DbusLogicPlacement>(QStringLiteral("Item"), {index});
}

} // namespace sequate::host::dbus
