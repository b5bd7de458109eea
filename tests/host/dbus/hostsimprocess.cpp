#include "hostsimprocess.h"

#include "host/sim/statefile.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <stdexcept>
#include <sys/prctl.h>

namespace sequate::testing {

namespace {

constexpr int startMs = 10000;
const QString controlService = QStringLiteral("org.sequate.HostSim");

// A test that crashes must not leave a bus or a simulator behind.
void startWithParent(QProcess& process, const QString& program, const QStringList& arguments) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
    if (!process.waitForStarted(startMs))
        throw std::runtime_error("cannot start " + program.toStdString());
}

} // namespace

PrivateBus::PrivateBus() {
    startWithParent(mDaemon, "dbus-daemon", {"--session", "--nofork", "--print-address"});
    while (!mDaemon.canReadLine()) {
        if (!mDaemon.waitForReadyRead(startMs))
            throw std::runtime_error("dbus-daemon printed no address");
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
    static int connections = 0;
    mConnections.append(QStringLiteral("sequate-test-%1").arg(++connections));
    return QDBusConnection::connectToBus(mAddress, mConnections.back());
}

HostSimProcess::HostSimProcess(PrivateBus& bus, const QString& stateFile,
                               const QStringList& options)
    : mBus(bus.connect()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    mProcess.setProcessEnvironment(environment);
    startWithParent(mProcess, SEQUATE_HOSTSIM_PATH,
                    QStringList{"--no-window", "--test-control"} + options << stateFile);
    const auto running = [&] { return mProcess.state() != QProcess::NotRunning; };
    const auto serving = [&] {
        return mBus.interface()->isServiceRegistered(controlService).value();
    };
    if (!waitUntil([&] { return serving() || !running(); }, startMs) || !running())
        throw std::runtime_error("sequate-hostsim did not come up: " +
                                 mProcess.readAllStandardError().toStdString());
}

HostSimProcess::~HostSimProcess() {
    mProcess.kill();
    mProcess.waitForFinished();
}

host::sim::SimState HostSimProcess::state() {
    return host::sim::parseState(control("State").toString().toStdString(), "simulator state");
}

QVariant HostSimProcess::control(const QString& method, const QVariantList& args) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(controlService, "/HostSim", controlService, method);
    message.setArguments(args);
    const QDBusMessage reply = mBus.call(message, QDBus::Block, startMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw std::runtime_error("test control " + method.toStdString() +
                                 " failed: " + reply.errorMessage().toStdString());
    return reply.arguments().value(0);
}

QString writeStateFile(const host::sim::SimState& state, const QString& name) {
    static QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(name);
    host::sim::saveStateFile(path.toStdString(), state);
    return path;
}

} // namespace sequate::testing
