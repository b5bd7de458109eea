#pragma once

// One attached application on the bus: the process that owned the well-known name when
// Sequate attached (its unique name, so that a restarted host is not mistaken for the old
// one), and the calls into it. Every call blocks without running the event loop, so a
// notification waits until the caller returns to it.

#include "host/calltrace.h"

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace sequate::host::dbus {

class DbusHost {
public:
    // title names the application in messages, such as "PowerLogic".
    DbusHost(QDBusConnection bus, QString owner, QString title, int timeoutMs);
    ~DbusHost();
    DbusHost(const DbusHost&) = delete;
    DbusHost& operator=(const DbusHost&) = delete;

    // One automation call: method of interface kind (such as "LogicObjects") on the object at
    // path. Returns the reply's arguments; throws HostFailure with the host's own code, or
    // with HostCode::Timeout, HostCode::ServerUnavailable or HostCode::Failed.
    QVariantList call(const QString& path, const QString& kind, const QString& method,
                      const QVariantList& args = {});
    // Drops the reference to the object at path. Released objects are sent to the host in
    // batches, without waiting for an answer.
    void release(const QString& path);
    // Every call from now on is written to the trace.
    void traceTo(std::shared_ptr<CallTrace> trace) { mTrace = std::move(trace); }

    const QDBusConnection& bus() const { return mBus; }
    const QString& owner() const { return mOwner; }
    const QString& title() const { return mTitle; }

private:
    [[noreturn]] void fail(const QDBusMessage& reply, const QString& callName);
    bool ownerStillOnBus();
    void sendReleases();

    QDBusConnection mBus;
    QString mOwner;
    QString mTitle;
    int mTimeoutMs;
    QStringList mReleased;
    std::shared_ptr<CallTrace> mTrace;
};

} // namespace sequate::host::dbus
