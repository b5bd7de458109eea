// PowerLogic's OpenDocument notification over the bus: delivered on the event loop, between
// user actions, never in the middle of a call or a pass.

#include "host/dbus/dbusrunningobjects.h"
#include "hostsimprocess.h"
#include "testdocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;

namespace {

struct Sink : host::LogicApplicationEvents {
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override {
        names.push_back(doc->Name());
    }
    std::vector<std::string> names;
};

class NotificationTest : public ::testing::Test {
protected:
    void SetUp() override { app->advise(&sink); }
    void TearDown() override { app->unadvise(&sink); }

    PrivateBus bus;
    HostSimProcess sim{bus, writeStateFile(bindingState(), QStringLiteral("notify.json"))};
    host::dbus::DbusRunningObjects objects{bus.connect()};
    std::shared_ptr<host::LogicApplication> app = objects.attachPowerLogic();
    Sink sink;
};

TEST_F(NotificationTest, AnOpenedDocumentArrivesWithTheDocument) {
    sim.openDocument(1);
    ASSERT_TRUE(waitUntil([&] { return !sink.names.empty(); }, 5000));
    EXPECT_EQ(sink.names, std::vector<std::string>{"blank.sch"});
}

TEST_F(NotificationTest, ItWaitsWhileACallIsUnderWay) {
    sim.openDocument(2);
    QThread::msleep(200);
    EXPECT_EQ(app->CurrentDocument()->Name(), "");
    EXPECT_TRUE(sink.names.empty()) << "delivered from inside a call";
    EXPECT_TRUE(waitUntil([&] { return sink.names.size() == 1; }, 5000));
}

TEST_F(NotificationTest, ADocumentOpenedDuringAPassArrivesAfterIt) {
    app->BeginPass();
    sim.openDocument(2);
    EXPECT_FALSE(waitUntil([&] { return !sink.names.empty(); }, 300));
    EXPECT_EQ(app->CurrentDocument()->Name(), "amp.sch") << "the user's open waits for the pass";
    app->EndPass();
    ASSERT_TRUE(waitUntil([&] { return !sink.names.empty(); }, 5000));
    EXPECT_EQ(sink.names, std::vector<std::string>{""});
}

TEST_F(NotificationTest, AnUnadvisedSinkHearsNothing) {
    app->unadvise(&sink);
    Sink other;
    app->advise(&other);
    sim.openDocument(1);
    ASSERT_TRUE(waitUntil([&] { return !other.names.empty(); }, 5000));
    EXPECT_TRUE(sink.names.empty());
    app->unadvise(&other);
}

} // namespace
