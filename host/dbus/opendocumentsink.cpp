#include "opendocumentsink.h"

#include "dbuslogic.h"
#include "protocol.h"

#include <QDBusObjectPath>
#include <utility>

namespace sequate::host::dbus {

OpenDocumentSink::OpenDocumentSink(std::shared_ptr<DbusHost> host) : mHost(std::move(host)) {}

OpenDocumentSink::~OpenDocumentSink() {
    if (!mSinks.empty())
        subscribe(false);
}

void OpenDocumentSink::advise(LogicApplicationEvents* sink) {
    const bool first = mSinks.empty();
    if (mSinks.add(sink) && first)
        subscribe(true);
}

void OpenDocumentSink::unadvise(LogicApplicationEvents* sink) {
    if (mSinks.remove(sink) && mSinks.empty())
        subscribe(false);
}

void OpenDocumentSink::onOpenDocument(const QDBusMessage& message) {
    const QString path = message.arguments().value(0).value<QDBusObjectPath>().path();
    if (path.isEmpty())
        return;
    const auto doc = std::make_shared<DbusLogicDocument>(mHost, path, false);
    mSinks.notify([&](LogicApplicationEvents* sink) { sink->OpenDocument(doc); });
}

void OpenDocumentSink::subscribe(bool on) {
    QDBusConnection bus = mHost->bus();
    const QString interface = interfaceName(QStringLiteral("LogicApplication"));
    const char* slot = SLOT(onOpenDocument(QDBusMessage));
    if (on)
        bus.connect(mHost->owner(), applicationPath, interface, openDocumentSignal, this, slot);
    else
        bus.disconnect(mHost->owner(), applicationPath, interface, openDocumentSignal, this, slot);
}

} // namespace sequate::host::dbus
