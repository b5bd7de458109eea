// Attaching, and what becomes of calls when the host is not there, goes away or stops
// answering.

#include "host/dbus/dbusrunningobjects.h"
#include "hostsimprocess.h"
#include "testdocuments.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;
using host::HostCode;

namespace {

QString stateFile() {
    return writeStateFile(bindingState(), QStringLiteral("attach.json"));
}

TEST(Attach, AnApplicationLeftOutIsNotRunning) {
    PrivateBus bus;
    {
        HostSimProcess sim(bus, stateFile(), {QStringLiteral("--no-powerpcb")});
        host::dbus::DbusRunningObjects objects(bus.connect());
        EXPECT_EQ(failureOf([&] { objects.attachPowerPcb(); }), HostCode::NotRunning);
        EXPECT_EQ(objects.attachPowerLogic()->CurrentDocument()->Name(), "amp.sch");
    }
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--no-powerlogic")});
    host::dbus::DbusRunningObjects objects(bus.connect());
    EXPECT_EQ(failureOf([&] { objects.attachPowerLogic(); }), HostCode::NotRunning);
    const std::string message = messageOf([&] { objects.attachPowerLogic(); });
    EXPECT_NE(message.find("PowerLogic.Application"), std::string::npos) << message;
    EXPECT_NO_THROW(objects.attachPowerPcb()->CurrentDocument());
}

TEST(Attach, ASecondSimulatorOnTheSameBusRefusesToStartAndSaysWhy) {
    PrivateBus bus;
    HostSimProcess first(bus, stateFile());
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(SEQUATE_HOSTSIM_PATH),
                 {QStringLiteral("--no-window"), stateFile()});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("PowerLogic.Application is already taken"));
    EXPECT_TRUE(first.running());
}

TEST(Attach, NoBusIsNotRunning) {
    const QDBusConnection nowhere = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("sequate-test-nowhere"));
    host::dbus::DbusRunningObjects objects(nowhere);
    EXPECT_EQ(failureOf([&] { objects.attachPowerLogic(); }), HostCode::NotRunning);
    EXPECT_NE(messageOf([&] { objects.attachPowerPcb(); }).find("no D-Bus session bus"),
              std::string::npos);
    QDBusConnection::disconnectFromBus(QStringLiteral("sequate-test-nowhere"));
}

TEST(Attach, AHostThatDiesInTheMiddleIsUnavailableFromThenOn) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--exit-at-call"), QStringLiteral("3")});
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument(); // call 1
    EXPECT_EQ(doc->Name(), "amp.sch");       // call 2
    const std::string message = messageOf([&] { doc->Name(); });
    EXPECT_NE(message.find("PowerLogic went away during LogicDocument.Name"), std::string::npos)
        << message;
    EXPECT_EQ(sim.waitForExit(5000), 3);
    EXPECT_EQ(failureOf([&] { app->CurrentDocument(); }), HostCode::ServerUnavailable);
}

TEST(Attach, AHostThatHangsTimesOutAndAnswersAgainOnceItResumes) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(),
                       {QStringLiteral("--hang-at-call"), QStringLiteral("2"),
                        QStringLiteral("--hang-ms"), QStringLiteral("1500")});
    host::dbus::DbusRunningObjects objects(bus.connect(), 400);
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument();
    QElapsedTimer clock;
    clock.start();
    const std::string message = messageOf([&] { doc->Name(); });
    EXPECT_LT(clock.elapsed(), 1400) << "the call gave up after its own timeout";
    EXPECT_NE(message.find("did not answer LogicDocument.Name within 400 ms"), std::string::npos)
        << message;
    EXPECT_TRUE(waitUntil([&] { return sim.callCount() >= 2; }, 5000));
    EXPECT_EQ(doc->Name(), "amp.sch");
}

TEST(Attach, AClientThatLeavesDuringAPassHasItClosedAndItsObjectsDropped) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile());
    {
        const QDBusConnection client = bus.connect();
        host::dbus::DbusRunningObjects objects(client);
        const auto app = objects.attachPowerLogic();
        app->BeginPass();
        const auto list = app->CurrentDocument()->ComponentSet()->Objects();
        QDBusConnection::disconnectFromBus(client.name());
        ASSERT_TRUE(sim.passOpen());
        ASSERT_GT(sim.objectsHeld(), 0u);
    }
    EXPECT_TRUE(waitUntil([&] { return !sim.passOpen() && sim.objectsHeld() == 0; }, 5000));
}

} // namespace
