#include "dbuspcbdocument.h"

#include <utility>

namespace sequate::host::dbus {

DbusPcbDocument::DbusPcbDocument(std::shared_ptr<HostConnection> host, QString path)
    : RemoteObject(std::move(host), std::move(path), QStringLiteral("PcbDocument"), true) {}

void DbusPcbDocument::ReadEcoFile(const std::string& path) {
    callVoid(QStringLiteral("ReadEcoFile"), {QString::fromStdString(path)});
}

} // namespace sequate::host::dbus
