#include "dbuslogicapplication.h"

#include "dbuslogicdocument.h"
#include "protocol.h"

#include <utility>

namespace sequate::host::dbus {

DbusLogicApplication::DbusLogicApplication(std::shared_ptr<HostConnection> host)
    : RemoteObject(host, applicationPath, QStringLiteral("LogicApplication"), false),
      mListener(std::move(host)) {}

std::shared_ptr<LogicDocument> DbusLogicApplication::CurrentDocument() {
    return callObject<DbusLogicDocument>(QStringLiteral("CurrentDocument"));
}

void DbusLogicApplication::BeginPass() {
    callVoid(QStringLiteral("BeginPass"));
}

void DbusLogicApplication::EndPass() {
    callVoid(QStringLiteral("EndPass"));
}

void DbusLogicApplication::advise(LogicApplicationEvents* sink) {
    mListener.advise(sink);
}

void DbusLogicApplication::unadvise(LogicApplicationEvents* sink) {
    mListener.unadvise(sink);
}

} // namespace sequate::host::dbus
