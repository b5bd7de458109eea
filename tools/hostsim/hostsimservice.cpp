#include "hostsimservice.h"

#include "host/dbus/protocol.h"
#include "testcontrol.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <stdexcept>

namespace sequate::hostsim {

namespace {

const QString logicConnection = QStringLiteral("sequate-hostsim-powerlogic");
const QString pcbConnection = QStringLiteral("sequate-hostsim-powerpcb");
const QString controlConnection = QStringLiteral("sequate-hostsim-control");

QDBusConnection connectToSessionBus(const QString& name) {
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    if (!bus.isConnected())
        throw std::runtime_error("cannot connect to the D-Bus session bus: " +
                                 bus.lastError().message().toStdString());
    return bus;
}

void own(QDBusConnection& bus, const QString& service) {
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(service, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        throw std::runtime_error("cannot take the name " + service.toStdString() +
                                 " on the session bus: " + reply.error().message().toStdString());
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered)
        throw std::runtime_error(service.toStdString() +
                                 " is already taken on the session bus: is another simulator "
                                 "running?");
}

void publish(AutomationServer& server) {
    QString error;
    if (!server.publish(&error))
        throw std::runtime_error(error.toStdString());
}

} // namespace

HostSimService::HostSimService(SimHosts& hosts, ServiceOptions options, QObject* parent)
    : QObject(parent), mHosts(hosts), mOptions(options) {}

HostSimService::~HostSimService() {
    if (mLogicApp && mRelay)
        mLogicApp->unadvise(mRelay.get());
    for (const QString& name : {logicConnection, pcbConnection, controlConnection})
        QDBusConnection::disconnectFromBus(name);
}

void HostSimService::start() {
    if (mOptions.powerLogic)
        startPowerLogic();
    if (mOptions.powerPcb)
        startPowerPcb();
    if (mOptions.testControl)
        startTestControl();
}

void HostSimService::startPowerLogic() {
    QDBusConnection bus = connectToSessionBus(logicConnection);
    mLogicApp = mHosts.logic().application();
    mLogicServer = std::make_unique<AutomationServer>(bus, mLogicApp);
    mLogicServer->setAfterCall(
        [this](const QDBusMessage& call, bool ok) { afterLogicCall(call, ok); });
    mLogicServer->setClientLeft([this](const QString& client) { clientLeft(client); });
    mLogicServer->setWithholdObject(mWithholdObject);
    mLogicServer->setAfterEffect(mAfterEffect);
    mRelay = std::make_unique<NotificationRelay>(*mLogicServer);
    mLogicApp->advise(mRelay.get());
    publish(*mLogicServer);
    own(bus, host::dbus::powerLogicService);
}

void HostSimService::startPowerPcb() {
    QDBusConnection bus = connectToSessionBus(pcbConnection);
    mPcbServer = std::make_unique<AutomationServer>(bus, mHosts.pcb().application());
    mPcbServer->setAfterCall([this](const QDBusMessage&, bool) { settle(); });
    mPcbServer->setWithholdObject(mWithholdObject);
    mPcbServer->setAfterEffect(mAfterEffect);
    publish(*mPcbServer);
    own(bus, host::dbus::powerPcbService);
}

void HostSimService::startTestControl() {
    qDBusRegisterMetaType<QList<int>>();
    QDBusConnection bus = connectToSessionBus(controlConnection);
    auto* control = new TestControl(mHosts, *this, this);
    if (!bus.registerObject(testControlPath, control, QDBusConnection::ExportAllSlots))
        throw std::runtime_error("cannot register the test control object");
    own(bus, testControlService);
}

void HostSimService::openDocument(std::size_t index) {
    mHosts.logic().openDocument(index);
    settle();
}

void HostSimService::settle() {
    mHosts.logic().processEvents();
    if (mChanged)
        mChanged();
}

void HostSimService::setWithholdObject(std::function<bool()> withhold) {
    mWithholdObject = std::move(withhold);
}

void HostSimService::setAfterEffect(std::function<void()> afterEffect) {
    mAfterEffect = std::move(afterEffect);
}

void HostSimService::setWatcher(std::function<void()> changed,
                                std::function<void(const QString&)> note) {
    mChanged = std::move(changed);
    mNote = std::move(note);
}

std::size_t HostSimService::objectsHeld() const {
    return (mLogicServer ? mLogicServer->registry().size() : 0) +
           (mPcbServer ? mPcbServer->registry().size() : 0);
}

void HostSimService::recordCall(const char* app, const std::string& call) {
    if (mOptions.testControl)
        mCallLog.append(QLatin1String(app) + QLatin1Char(' ') + QString::fromStdString(call));
}

void HostSimService::afterLogicCall(const QDBusMessage& call, bool ok) {
    if (ok && call.member() == QLatin1String("BeginPass"))
        mPassClient = call.service();
    else if (ok && call.member() == QLatin1String("EndPass"))
        mPassClient.clear();
    settle();
}

void HostSimService::clientLeft(const QString& client) {
    if (client != mPassClient || !mHosts.logic().passOpen())
        return;
    mPassClient.clear();
    if (mNote)
        mNote(QStringLiteral("%1 left the bus during a pass; the pass is closed").arg(client));
    try {
        mLogicApp->EndPass();
    } catch (const std::exception& error) {
        if (mNote)
            mNote(QStringLiteral("closing the pass failed: %1").arg(error.what()));
    }
    settle();
}

} // namespace sequate::hostsim
