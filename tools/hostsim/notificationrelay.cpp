#include "notificationrelay.h"

#include "host/dbus/protocol.h"

#include <utility>

namespace sequate::hostsim {

void NotificationRelay::OpenDocument(std::shared_ptr<host::LogicDocument> doc) {
    mServer.emitSignal(host::dbus::openDocumentSignal, std::move(doc));
}

} // namespace sequate::hostsim
