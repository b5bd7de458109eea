#pragma once

// Serves one application's automation objects on its own bus connection: the root object at
// applicationPath and every object handed out since under objectsPath. Each incoming method
// call is one automation call, answered on the Qt event loop in the order it came.

#include "automationobject.h"
#include "automationregistry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QString>
#include <functional>

namespace sequate::hostsim {

class AutomationServer : public QDBusVirtualObject {
    Q_OBJECT

public:
    AutomationServer(QDBusConnection bus, AutomationObject root, QObject* parent = nullptr);

    // Registers the objects and starts watching clients leave; false with *error when the
    // connection refuses.
    bool publish(QString* error);
    // Told every answered automation call (after its reply went out) and whether it worked.
    void setAfterCall(std::function<void(const QDBusMessage& call, bool ok)> afterCall);
    // Asked, whenever a call has made an object, whether to answer "no object" instead.
    void setWithholdObject(std::function<bool()> withhold);
    // Called once a call has run, before its answer goes out; a host::HostFailure it throws is
    // the answer instead.
    void setAfterEffect(std::function<void()> afterEffect);
    // Told the unique name of every client that leaves the bus.
    void setClientLeft(std::function<void(const QString& client)> clientLeft);
    // Sends a signal of the root object whose one argument is object, kept by the program.
    void emitSignal(const QString& name, AutomationObject object);

    const AutomationRegistry& registry() const { return mRegistry; }
    QDBusConnection& bus() { return mBus; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private slots:
    void onNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    const AutomationObject* target(const QString& path) const;
    QDBusMessage answer(const QDBusMessage& message, const AutomationObject& object);

    QDBusConnection mBus;
    AutomationObject mRoot;
    AutomationRegistry mRegistry;
    std::function<void(const QDBusMessage&, bool)> mAfterCall;
    std::function<void(const QString&)> mClientLeft;
    std::function<bool()> mWithholdObject;
    std::function<void()> mAfterEffect;
};

} // namespace sequate::hostsim
