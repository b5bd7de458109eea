#include "dbusrunningobjects.h"

#include "dbusconnection.h"
#include "dbuslogic.h"
#include "host/hostfailure.h"
#include "protocol.h"

#include <QDBusMessage>
#include <utility>

namespace sequate::host::dbus {

DbusRunningObjects::DbusRunningObjects(int timeoutMs)
    : DbusRunningObjects(QDBusConnection::sessionBus(), timeoutMs) {}

DbusRunningObjects::DbusRunningObjects(QDBusConnection bus, int timeoutMs)
    : mBus(std::move(bus)), mTimeoutMs(timeoutMs) {}

std::shared_ptr<LogicApplication> DbusRunningObjects::attachPowerLogic() {
    return std::make_shared<DbusLogicApplication>(
        attach(powerLogicService, QStringLiteral("PowerLogic")));
}

std::shared_ptr<PcbApplication> DbusRunningObjects::attachPowerPcb() {
    return std::make_shared<DbusPcbApplication>(
        attach(powerPcbService, QStringLiteral("PowerPCB")));
}

std::shared_ptr<DbusHost> DbusRunningObjects::attach(const QString& service, const QString& title) {
    const std::string what = title.toStdString() + " is not running: ";
    if (!mBus.isConnected())
        throw HostFailure(HostCode::NotRunning, what + "there is no D-Bus session bus (" +
                                                    mBus.lastError().message().toStdString() + ")");
    const QString bus = QStringLiteral("org.freedesktop.DBus");
    QDBusMessage question = QDBusMessage::createMethodCall(
        bus, QStringLiteral("/org/freedesktop/DBus"), bus, QStringLiteral("GetNameOwner"));
    question.setArguments({service});
    const QDBusMessage answer = mBus.call(question, QDBus::Block, mTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage)
        throw HostFailure(HostCode::NotRunning,
                          what + "nothing owns " + service.toStdString() + " on the session bus");
    auto connection =
        std::make_shared<DbusHost>(mBus, answer.arguments().value(0).toString(), title, mTimeoutMs);
    connection->traceTo(mTrace);
    return connection;
}

} // namespace sequate::host::dbus
