#include "hostsimprocess.h"

#include "host/sim/statefile.h"

#include <QAtomicInteger>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

} // namespace

PrivateBus::PrivateBus() {
    endWithParent(mDaemon);
    mDaemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    mProcess.setProcessEnvironment(environment);
    endWithParent(mProcess);
    mProcess.start(SEQUATE_HOSTSIM_PATH,
                   QStringList{"--no-window", "--test-control"} + options << stateFile);
    const auto serving = [&] {
        return mBus.interface()->isServiceRegistered(controlService).value();
    };
    if (!mProcess.waitForStarted(startMs) ||
        !waitUntil([&] { return serving() || !running(); }, startMs) || !running())
        throw LaunchError(
            "sequate-hostsim did not come up: " + mProcess.errorString().toStdString() + "; " +
            QString::fromUtf8(mProcess.readAllStandardError()).toStdString());
}

HostSimProcess::~HostSimProcess() {
    mProcess.kill();
    mProcess.waitForFinished();
}

int HostSimProcess::waitForExit(int ms) {
    return mProcess.waitForFinished(ms) ? mProcess.exitCode() : -1;
}

host::sim::SimState HostSimProcess::state() {
    return host::sim::parseState(control("State").value(0).toString().toStdString(),
                                 "simulator state");
}

QVariantList HostSimProcess::control(const QString& method, const QVariantList& args) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(controlService, "/HostSim", controlService, method);
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
