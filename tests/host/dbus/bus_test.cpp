// What only a host in another process shows: attaching, failures and "no object" crossing the
// bus, a host that dies, a client that leaves, and notifications on the event loop. A host that
// hangs is met in the middle of a pass (pass_test.cpp).

#include "host/dbus/dbusrunningobjects.h"
#include "hostsimprocess.h"
#include "testdocuments.h"

#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

QString stateFile() {
    return writeStateFile(bindingState(), QStringLiteral("binding.json"));
}

TEST(Bus, AnApplicationLeftOutOrNoBusIsNotRunning) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--no-powerlogic")});
    host::dbus::DbusRunningObjects objects(bus.connect());
    EXPECT_EQ(failureOf([&] { objects.attachPowerLogic(); }).substr(0, 4), "429 ");
    EXPECT_NE(failureOf([&] { objects.attachPowerLogic(); }).find("PowerLogic.Application"),
              std::string::npos);
    EXPECT_NO_THROW(objects.attachPowerPcb()->CurrentDocument());

    const QString nowhere = QStringLiteral("sequate-test-nowhere");
    host::dbus::DbusRunningObjects none(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), nowhere));
    EXPECT_EQ(failureOf([&] { none.attachPowerPcb(); }).substr(0, 4), "429 ");
    EXPECT_NE(failureOf([&] { none.attachPowerLogic(); }).find("no D-Bus session bus"),
              std::string::npos);
    QDBusConnection::disconnectFromBus(nowhere);
}

TEST(Bus, FailuresAndNoObjectCrossWithTheirCodeAndText) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--no-object-at-call"), "1"});
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    EXPECT_EQ(app->CurrentDocument(), nullptr);
    const auto doc = app->CurrentDocument();
    const auto list = doc->ComponentSet()->Objects();
    EXPECT_EQ(failureOf([&] { list->Item(0); }).substr(0, 10), "0x8002000B");
    EXPECT_EQ(failureOf([&] { list->Item("C1")->SetName("R1"); }),
              "0x80040203 LogicComponent.SetName refused for \"C1\": \"R1\" is the name of "
              "another component");
    list->Item("C1")->SetName("C\xc3\xa9"); // UTF-8 on both sides
    EXPECT_EQ(sim.state().documents[0].components[1].name, "C\xc3\xa9");
    app->BeginPass();
    EXPECT_EQ(failureOf([&] { app->BeginPass(); }).substr(0, 10), "0x80004005");
    app->EndPass();
    sim.openDocument(1);
    EXPECT_EQ(failureOf([&] { doc->ComponentSet()->Objects()->Item(1); }).substr(0, 10),
              "0x80040202");
    const std::string missing = failureOf(
        [&] { objects.attachPowerPcb()->CurrentDocument()->ReadEcoFile("/nonexistent/a.eco"); });
    EXPECT_EQ(missing.substr(0, 10), "0x80070002");
    EXPECT_NE(missing.find("/nonexistent/a.eco"), std::string::npos) << missing;
}

TEST(Bus, AHostThatDiesInTheMiddleIsUnavailableFromThenOn) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--exit-at-call"), "3"});
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument();
    EXPECT_EQ(doc->Name(), "amp.sch");
    const std::string message = failureOf([&] { doc->Name(); });
    EXPECT_NE(message.find("PowerLogic went away during LogicDocument.Name"), std::string::npos)
        << message;
    EXPECT_EQ(sim.waitForExit(5000), 3);
    EXPECT_EQ(failureOf([&] { app->CurrentDocument(); }).substr(0, 10), "0x800706BA");
}

// The host holds no more than the client still holds, and drops it all, closing the client's
// pass, when the client leaves.
TEST(Bus, TheHostLetsGoOfWhatTheClientNoLongerHolds) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile());
    {
        const QDBusConnection client = bus.connect();
        host::dbus::DbusRunningObjects objects(client);
        const auto app = objects.attachPowerLogic();
        const auto list = app->CurrentDocument()->ComponentSet()->Objects();
        for (std::int32_t round = 0; round < 1000; ++round)
            EXPECT_FALSE(list->Item(1 + round % 3)->Name().empty());
        // The list, and at most one batch of released objects not yet sent.
        EXPECT_TRUE(waitUntil([&] { return sim.objectsHeld() <= 65; }, 5000)) << sim.objectsHeld();
        app->BeginPass();
        QDBusConnection::disconnectFromBus(client.name()); // closes once nothing holds it
    }
    EXPECT_TRUE(waitUntil([&] { return !sim.passOpen() && sim.objectsHeld() == 0; }, 5000));
}

struct Sink : host::LogicApplicationEvents {
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override {
        names.push_back(doc->Name());
    }
    std::vector<std::string> names;
};

TEST(Bus, ADocumentOpenedDuringAPassIsToldOnTheEventLoopAfterIt) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile());
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    Sink sink;
    app->advise(&sink);
    app->BeginPass();
    sim.openDocument(1);
    EXPECT_FALSE(waitUntil([&] { return !sink.names.empty(); }, 300));
    EXPECT_EQ(app->CurrentDocument()->Name(), "amp.sch") << "the user's open waits for the pass";
    app->EndPass();
    EXPECT_TRUE(sink.names.empty()) << "told from inside a call";
    ASSERT_TRUE(waitUntil([&] { return !sink.names.empty(); }, 5000));
    EXPECT_EQ(sink.names, std::vector<std::string>{"blank.sch"});
    app->unadvise(&sink);
}

} // namespace
