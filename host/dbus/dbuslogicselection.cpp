#include "dbuslogicselection.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicSelection::DbusLogicSelection(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicSelection"), true) {}

std::int32_t DbusLogicSelection::Count() {
    return callInt(QStringLiteral("Count"));
}

} // namespace sequate::host::dbus
