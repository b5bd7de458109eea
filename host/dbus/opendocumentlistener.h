#pragma once

// Receives the OpenDocument signal of one attached PowerLogic on the Qt event loop and hands
// it to the advised sinks, so a notification is only ever delivered between user actions.

#include "host/eventreceivers.h"
#include "host/powerlogic.h"
#include "hostconnection.h"

#include <QDBusMessage>
#include <QObject>
#include <memory>

namespace sequate::host::dbus {

class OpenDocumentListener : public QObject {
    Q_OBJECT

public:
    explicit OpenDocumentListener(std::shared_ptr<HostConnection> host);
    ~OpenDocumentListener() override;

    void advise(LogicApplicationEvents* sink);
    void unadvise(LogicApplicationEvents* sink);

private slots:
    void onOpenDocument(const QDBusMessage& message);

private:
    void subscribe(bool on);

    std::shared_ptr<HostConnection> mHost;
    EventReceivers<LogicApplicationEvents*> mSinks;
};

} // namespace sequate::host::dbus
