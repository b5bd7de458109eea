#include "automationserver.h"

#include "calldispatch.h"
#include "host/dbus/protocol.h"
#include "host/hostfailure.h"

#include <QDBusError>
#include <utility>

namespace sequate::hostsim {

namespace {

using host::HostCode;
using host::HostFailure;
namespace protocol = host::dbus;

// What COM answers for a reference the server no longer holds.
constexpr auto objectGone = static_cast<HostCode>(0x80010108);

QDBusMessage failure(const QDBusMessage& message, HostCode code, const std::string& text) {
    return message.createErrorReply(protocol::errorName, protocol::errorMessage(code, text));
}

} // namespace

AutomationServer::AutomationServer(QDBusConnection bus, AutomationObject root, QObject* parent)
    : QDBusVirtualObject(parent), mBus(std::move(bus)), mRoot(std::move(root)) {}

bool AutomationServer::publish(QString* error) {
    const bool ok =
        mBus.registerVirtualObject(protocol::applicationPath, this, QDBusConnection::SingleNode) &&
        mBus.registerVirtualObject(protocol::objectsPath, this, QDBusConnection::SubPath);
    if (!ok) {
        *error =
            QStringLiteral("cannot register the automation objects: ") + mBus.lastError().message();
        return false;
    }
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    mBus.connect(daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                 QStringLiteral("NameOwnerChanged"), this,
                 SLOT(onNameOwnerChanged(QString, QString, QString)));
    return true;
}

void AutomationServer::setAfterCall(std::function<void(const QDBusMessage&, bool)> afterCall) {
    mAfterCall = std::move(afterCall);
}

void AutomationServer::setWithholdObject(std::function<bool()> withhold) {
    mWithholdObject = std::move(withhold);
}

void AutomationServer::setAfterEffect(std::function<void()> afterEffect) {
    mAfterEffect = std::move(afterEffect);
}

void AutomationServer::setClientLeft(std::function<void(const QString&)> clientLeft) {
    mClientLeft = std::move(clientLeft);
}

void AutomationServer::emitSignal(const QString& name, AutomationObject object) {
    QDBusMessage signal = QDBusMessage::createSignal(protocol::applicationPath,
                                                     protocol::interfaceName(kindOf(mRoot)), name);
    signal.setArguments(
        {QVariant::fromValue(QDBusObjectPath(mRegistry.add(std::move(object), {})))});
    mBus.send(signal);
}

QString AutomationServer::introspect(const QString&) const {
    return {};
}

bool AutomationServer::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.interface() == protocol::automationInterface &&
        message.member() == protocol::releaseMethod) {
        for (const QString& path : message.arguments().value(0).toStringList())
            mRegistry.release(path, message.service());
        mBus.send(message.createReply());
        return true;
    }
    const AutomationObject* object = target(message.path());
    const QDBusMessage reply =
        object ? answer(message, *object)
               : failure(message, objectGone,
                         "no automation object at " + message.path().toStdString());
    mBus.send(reply);
    if (mAfterCall)
        mAfterCall(message, reply.type() == QDBusMessage::ReplyMessage);
    return true;
}

const AutomationObject* AutomationServer::target(const QString& path) const {
    return path == protocol::applicationPath ? &mRoot : mRegistry.find(path);
}

QDBusMessage AutomationServer::answer(const QDBusMessage& message, const AutomationObject& object) {
    const QString kind = kindOf(object);
    if (message.interface() != protocol::interfaceName(kind))
        return failure(message, HostCode::NoInterface,
                       message.path().toStdString() + " is a " + kind.toStdString() + ", not " +
                           message.interface().toStdString());
    const QString client = message.service();
    const IssueObject issue = [&](AutomationObject returned) {
        const bool none = std::visit([](const auto& pointer) { return !pointer; }, returned) ||
                          (mWithholdObject && mWithholdObject());
        return QDBusObjectPath(none ? protocol::noObjectPath
                                    : mRegistry.add(std::move(returned), client));
    };
    try {
        const QVariantList results = dispatchCall(object, AutomationCall(message), issue);
        if (mAfterEffect)
            mAfterEffect();
        return message.createReply(results);
    } catch (const HostFailure& failed) {
        return failure(message, failed.code(), failed.what());
    } catch (const BadCall& bad) {
        return message.createErrorReply(QDBusError::UnknownMethod,
                                        QString::fromStdString(bad.what()));
    } catch (const std::exception& error) {
        return failure(message, HostCode::Failed, error.what());
    }
}

void AutomationServer::onNameOwnerChanged(const QString& name, const QString&,
                                          const QString& newOwner) {
    if (!newOwner.isEmpty() || !name.startsWith(QLatin1Char(':')))
        return;
    mRegistry.dropClient(name);
    if (mClientLeft)
        mClientLeft(name);
}

} // namespace sequate::hostsim
