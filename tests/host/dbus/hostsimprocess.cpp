#include "hostsimprocess.h"

#include "host/sim/statefile.h"

#include <QAtomicInteger>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <sys/prctl.h>

namespace sequate::testing {

namespace {

constexpr int startMs = 10000;
const QString controlService = QStringLiteral("org.sequate.HostSim");

// A test that crashes must not leave a bus or a simulator behind.
void endWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QString uniqueConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("sequate-test-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool nameOwned(QDBusConnection& bus, const QString& name) {
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    QDBusMessage ask = QDBusMessage::createMethodCall(
        daemon, QStringLiteral("/org/freedesktop/DBus"), daemon, QStringLiteral("NameHasOwner"));
    ask.setArguments({name});
    const QDBusMessage answer = bus.call(ask, QDBus::Block, 2000);
    return answer.type() == QDBusMessage::ReplyMessage && answer.arguments().value(0).toBool();
}

} // namespace

PrivateBus::PrivateBus() {
    endWithParent(mDaemon);
    mDaemon.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
    if (!mDaemon.waitForStarted(startMs))
        throw LaunchError("cannot start dbus-daemon: " + mDaemon.errorString().toStdString());
    while (!mDaemon.canReadLine()) {
        if (!mDaemon.waitForReadyRead(startMs))
            throw LaunchError("dbus-daemon printed no address");
    }
    mAddress = QString::fromUtf8(mDaemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    for (const QString& name : mConnections)
        QDBusConnection::disconnectFromBus(name);
    mDaemon.kill();
    mDaemon.waitForFinished();
}

QDBusConnection PrivateBus::connect() {
    const QString name = uniqueConnectionName();
    mConnections.append(name);
    QDBusConnection bus = QDBusConnection::connectToBus(mAddress, name);
    if (!bus.isConnected())
        throw LaunchError("cannot connect to the private bus: " +
                          bus.lastError().message().toStdString());
    return bus;
}

HostSimProcess::HostSimProcess(PrivateBus& bus, const QString& stateFile,
                               const QStringList& options)
    : mBus(bus.connect()) {
    qDBusRegisterMetaType<QList<int>>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    mProcess.setProcessEnvironment(environment);
    endWithParent(mProcess);
    mProcess.start(QStringLiteral(SEQUATE_HOSTSIM_PATH),
                   QStringList{QStringLiteral("--no-window"), QStringLiteral("--test-control")} +
                       options + QStringList{stateFile});
    if (!mProcess.waitForStarted(startMs))
        throw LaunchError("cannot start sequate-hostsim: " + mProcess.errorString().toStdString());
    if (!waitUntil([&] { return nameOwned(mBus, controlService) || !running(); }, startMs) ||
        !running())
        throw LaunchError("sequate-hostsim did not come up: " + errorOutput().toStdString());
}

HostSimProcess::~HostSimProcess() {
    mProcess.kill();
    mProcess.waitForFinished();
}

int HostSimProcess::waitForExit(int ms) {
    if (!mProcess.waitForFinished(ms))
        return -1;
    return mProcess.exitCode();
}

bool HostSimProcess::running() const {
    return mProcess.state() != QProcess::NotRunning;
}

QString HostSimProcess::errorOutput() {
    return QString::fromUtf8(mProcess.readAllStandardError());
}

void HostSimProcess::openDocument(unsigned index) {
    control(QStringLiteral("OpenDocument"), {index});
}

void HostSimProcess::selectOnly(const std::vector<int>& components) {
    const QList<int> list(components.begin(), components.end());
    control(QStringLiteral("SelectOnly"), {QVariant::fromValue(list)});
}

host::sim::SimState HostSimProcess::state() {
    const QString json = control(QStringLiteral("State")).value(0).toString();
    return host::sim::parseState(json.toStdString(), "simulator state");
}

bool HostSimProcess::passOpen() {
    return control(QStringLiteral("PassOpen")).value(0).toBool();
}

std::uint64_t HostSimProcess::callCount() {
    return control(QStringLiteral("CallCount")).value(0).toULongLong();
}

unsigned HostSimProcess::objectsHeld() {
    return control(QStringLiteral("ObjectsHeld")).value(0).toUInt();
}

QStringList HostSimProcess::callLog() {
    return control(QStringLiteral("CallLog")).value(0).toStringList();
}

QVariantList HostSimProcess::control(const QString& method, const QVariantList& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        controlService, QStringLiteral("/HostSim"), controlService, method);
    message.setArguments(args);
    const QDBusMessage reply = mBus.call(message, QDBus::Block, startMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw LaunchError("test control " + method.toStdString() +
                          " failed: " + reply.errorMessage().toStdString());
    return reply.arguments();
}

QString writeStateFile(const host::sim::SimState& state, const QString& name) {
    static QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(name);
    host::sim::saveStateFile(path.toStdString(), state);
    return path;
}

} // namespace sequate::testing
