#include "dbuslogiccomponentset.h"

#include "dbuslogicobjects.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicComponentSet::DbusLogicComponentSet(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicComponentSet"), true) {}

std::shared_ptr<LogicObjects> DbusLogicComponentSet::Objects() {
    return callObject<DbusLogicObjects>(QStringLiteral("Objects"));
}

std::shared_ptr<LogicObjects>
DbusLogicComponentSet::Query(std::int32_t kind, const std::string& filter, std::int32_t flags) {
    const QVariantList args{kind, QString::fromStdString(filter), flags};
    return callObject<DbusLogicObjects>(QStringLiteral("Query"), args);
}

} // namespace sequate::host::dbus
