#include "dbuslogicobjects.h"

#include "dbuslogiccomponent.h"
#include "protocol.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicObjects::DbusLogicObjects(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicObjects"), true) {}

std::int32_t DbusLogicObjects::Count() {
    return callInt(QStringLiteral("Count"));
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(std::int32_t index) {
    return component(callObject(QStringLiteral("Item"), {index}));
}

std::shared_ptr<LogicComponent> DbusLogicObjects::Item(const std::string& name) {
    return component(callObject(QStringLiteral("Item"), {QString::fromStdString(name)}));
}

std::shared_ptr<LogicComponent> DbusLogicObjects::component(const QString& path) {
    if (path == noObjectPath)
        return nullptr;
    return std::make_shared<DbusLogicComponent>(host(), path);
}

} // namespace sequate::host::dbus
