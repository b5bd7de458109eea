#pragma once

// A private session bus and the simulator program on it, for tests and benchmarks that must
// not share the user's bus or each other's.

#include "host/sim/simstate.h"
#include "tests/support/sampledocuments.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <cstdint>
#include <string>
#include <vector>

namespace sequate::testing {

// dbus-daemon of our own, gone with the object.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();

    const QString& address() const { return mAddress; }
    // A new connection of this process to the bus, under a name unique to the process.
    QDBusConnection connect();

private:
    QProcess mDaemon;
    QString mAddress;
    QStringList mConnections;
};

// sequate-hostsim --no-window --test-control, started on a bus; returns once it serves.
class HostSimProcess {
public:
    HostSimProcess(PrivateBus& bus, const QString& stateFile, const QStringList& options = {});
    ~HostSimProcess();

    // The test control interface: the user's actions and a look at the state.
    void openDocument(unsigned index) { control("OpenDocument", {index}); }
    host::sim::SimState state();
    bool passOpen() { return control("PassOpen").toBool(); }
    std::uint64_t callCount() { return control("CallCount").toULongLong(); }

private:
    QVariant control(const QString& method, const QVariantList& args = {});

    QProcess mProcess;
    QDBusConnection mBus;
};

// Writes state as a state file in a folder that lives as long as the process.
QString writeStateFile(const host::sim::SimState& state, const QString& name);

// Runs the event loop until condition holds or ms pass; returns the condition.
template <class Condition>
bool waitUntil(Condition condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

} // namespace sequate::testing
