#pragma once

// Receives the OpenDocument signal of one attached PowerLogic on the Qt event loop and hands
// it to the advised sinks, so a notification is only ever delivered between user actions.

#include "dbusconnection.h"
#include "host/eventreceivers.h"
#include "host/powerlogic.h"

#include <QDBusMessage>
#include <QObject>
#include <memory>

namespace sequate::host::dbus {

class OpenDocumentSink : public QObject {
    Q_OBJECT

public:
    explicit OpenDocumentSink(std::shared_ptr<DbusHost> host);
    ~OpenDocumentSink() override;

    void advise(LogicApplicationEvents* sink);
    void unadvise(LogicApplicationEvents* sink);

private slots:
    void onOpenDocument(const QDBusMessage& message);

private:
    void subscribe(bool on);

    std::shared_ptr<DbusHost> mHost;
    EventReceivers<LogicApplicationEvents*> mSinks;
};

} // namespace sequate::host::dbus
