#include "dbuspcbapplication.h"

#include "dbuspcbdocument.h"
#include "protocol.h"

#include <utility>

namespace sequate::host::dbus {

DbusPcbApplication::DbusPcbApplication(std::shared_ptr<HostConnection> host)
    : RemoteObject(std::move(host), applicationPath, QStringLiteral("PcbApplication"), false) {}

std::shared_ptr<PcbDocument> DbusPcbApplication::CurrentDocument() {
    return callObject<DbusPcbDocument>(QStringLiteral("CurrentDocument"));
}

} // namespace sequate::host::dbus
