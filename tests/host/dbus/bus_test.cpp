// What only a host in another process shows: attaching, failures and "no object" crossing the
// bus, a host that dies, and notifications on the event loop. A host that hangs is met in the
// middle of a pass (pass_test.cpp).

#include "host/dbus/dbusrunningobjects.h"
#include "host/hostfailure.h"
#include "hostsimprocess.h"

#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

// amp.sch (open at start): R1, C1; blank.sch with no components; a layout of amp's names.
QString stateFile() {
    return writeStateFile({{{"amp.sch", {{"R1", true, {}}, {"C1", false, {}}}}, {"blank.sch", {}}},
                           host::sim::LayoutData{"amp.pcb", {"R1", "C1"}}},
                          QStringLiteral("binding.json"));
}

// The failure that call throws as its code and message.
template <class Call>
std::string failureOf(Call call) {
    try {
        call();
    } catch (const host::HostFailure& failure) {
        return host::codeText(failure.code()) + " " + failure.what();
    }
    return "no failure";
}

TEST(Bus, AnApplicationLeftOutOrNoBusIsNotRunning) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--no-powerlogic")});
    host::dbus::DbusRunningObjects objects(bus.connect());
    EXPECT_EQ(failureOf([&] { objects.attachPowerLogic(); }).substr(0, 4), "429 ");
    EXPECT_NO_THROW(objects.attachPowerPcb()->CurrentDocument());
    host::dbus::DbusRunningObjects none(QDBusConnection::connectToBus("unix:path=/no/bus", "none"));
    EXPECT_EQ(failureOf([&] { none.attachPowerLogic(); }).substr(0, 60),
              "429 PowerLogic is not running: there is no D-Bus session bus");
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
              "0x80040203 \"C1\" cannot be renamed: \"R1\" is the name of another component");
}

// Names travel the bus as UTF-8: one of ISO 8859-1 beyond ASCII goes and comes back unchanged,
// as a name to set and as a name to look up.
TEST(Bus, ANameBeyondAsciiCrossesUnchanged) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile());
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    const std::string name = "R\u00C4"
                             "1";
    list->Item("C1")->SetName(name);
    EXPECT_EQ(list->Item(name)->Name(), name);
    EXPECT_EQ(namesOf(sim.state().documents[0]), (std::vector<std::string>{"R1", name}));
}

TEST(Bus, AHostThatDiesInTheMiddleIsUnavailableFromThenOn) {
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile(), {QStringLiteral("--exit-at-call"), "3"});
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument();
    EXPECT_EQ(doc->Name(), "amp.sch");
    EXPECT_NE(failureOf([&] { doc->Name(); }).find("PowerLogic went away during a call"),
              std::string::npos);
    EXPECT_EQ(failureOf([&] { app->CurrentDocument(); }).substr(0, 10), "0x800706BA");
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
    app->EndPass();
    EXPECT_TRUE(sink.names.empty()) << "told from inside a call";
    ASSERT_TRUE(waitUntil([&] { return !sink.names.empty(); }, 5000));
    EXPECT_EQ(sink.names, std::vector<std::string>{"blank.sch"});
    app->unadvise(&sink);
}

} // namespace
