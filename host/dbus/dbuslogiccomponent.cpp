#include "dbuslogiccomponent.h"

#include "dbuslogicplacements.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicComponent::DbusLogicComponent(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicComponent"), true) {}

std::string DbusLogicComponent::Value() {
    return callString(QStringLiteral("Value"));
}

std::string DbusLogicComponent::Name() {
    return callString(QStringLiteral("Name"));
}

void DbusLogicComponent::SetName(const std::string& name) {
    callVoid(QStringLiteral("SetName"), {QString::fromStdString(name)});
}

bool DbusLogicComponent::Selected() {
    return callBool(QStringLiteral("Selected"));
}

std::shared_ptr<LogicPlacements> DbusLogicComponent::Placements() {
    return callObject<DbusLogicPlacements>(QStringLiteral("Placements"));
}

} // namespace sequate::host::dbus
