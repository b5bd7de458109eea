#include "opendocumentlistener.h"

#include "dbuslogicdocument.h"
#include "protocol.h"

#include <QDBusObjectPath>
#include <algorithm>
#include <utility>

namespace sequate::host::dbus {

OpenDocumentListener::OpenDocumentListener(std::shared_ptr<HostConnection> host)
    : mHost(std::move(host)) {}

OpenDocumentListener::~OpenDocumentListener() {
    if (!mSinks.empty())
        subscribe(false);
}

void OpenDocumentListener::advise(LogicApplicationEvents* sink) {
    if (std::find(mSinks.begin(), mSinks.end(), sink) != mSinks.end())
        return;
    if (mSinks.empty())
        subscribe(true);
    mSinks.push_back(sink);
}

void OpenDocumentListener::unadvise(LogicApplicationEvents* sink) {
    const auto it = std::find(mSinks.begin(), mSinks.end(), sink);
    if (it == mSinks.end())
        return;
    mSinks.erase(it);
    if (mSinks.empty())
        subscribe(false);
}

void OpenDocumentListener::onOpenDocument(const QDBusMessage& message) {
    const QString path = message.arguments().value(0).value<QDBusObjectPath>().path();
    if (path.isEmpty())
        return;
    const auto doc = std::make_shared<DbusLogicDocument>(mHost, path, false);
    // A sink may unadvise itself, or another one, while it handles the notification.
    const auto sinks = mSinks;
    for (LogicApplicationEvents* sink : sinks) {
        if (std::find(mSinks.begin(), mSinks.end(), sink) != mSinks.end())
            sink->OpenDocument(doc);
    }
}

void OpenDocumentListener::subscribe(bool on) {
    QDBusConnection bus = mHost->bus();
    const QString interface = interfaceName(QStringLiteral("LogicApplication"));
    const char* slot = SLOT(onOpenDocument(QDBusMessage));
    if (on)
        bus.connect(mHost->owner(), applicationPath, interface, openDocumentSignal, this, slot);
    else
        bus.disconnect(mHost->owner(), applicationPath, interface, openDocumentSignal, this, slot);
}

} // namespace sequate::host::dbus
