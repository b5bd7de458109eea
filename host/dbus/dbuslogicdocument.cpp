#include "dbuslogicdocument.h"

#include "dbuslogiccomponentset.h"
#include "dbuslogicobjects.h"
#include "dbuslogicselection.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicDocument::DbusLogicDocument(std::shared_ptr<HostConnection> host, QString path, bool owned)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("LogicDocument"), owned) {}

std::string DbusLogicDocument::Name() {
    return callString(QStringLiteral("Name"));
}

std::shared_ptr<LogicComponentSet> DbusLogicDocument::ComponentSet() {
    return callObject<DbusLogicComponentSet>(QStringLiteral("ComponentSet"));
}

std::shared_ptr<LogicSelection> DbusLogicDocument::Selection() {
    return callObject<DbusLogicSelection>(QStringLiteral("Selection"));
}

std::shared_ptr<LogicObjects> DbusLogicDocument::SelectedObjects() {
    return callObject<DbusLogicObjects>(QStringLiteral("SelectedObjects"));
}

} // namespace sequate::host::dbus
