#include "dbuslogicobjects.h"

#include "dbuslogiccomponent.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicObjects::DbusLogicObjects(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicObjects"), true) {}

std::int32_t DbusLogicObjects::Count() {
    return callInt(QStringLiteral("Count"));
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(std::int32_t index) {
    return callObject<DbusLogicComponent>(QStringLiteral("Item"), {index});
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(const std::string& name) {
    return callObject<DbusLogicComponent>(QStringLiteral("Item"), {QString::fromStdString(name)});
}

} // namespace sequate::host::dbus
