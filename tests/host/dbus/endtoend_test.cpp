// Sequate's window and the simulator program in two processes, as on a desk: the user presses
// Run with "Write and force read in PCB", and afterwards the schematic and the layout in the
// other process agree and hold what the same pass gives headless.

#include "app/launch.h"
#include "host/dbus/dbusrunningobjects.h"
#include "hostsimprocess.h"
#include "tests/app/windowfixture.h"
#include "tools/pass/passrunner.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

TEST(EndToEnd, APassOverAllComponentsReachesTheLayout) {
    const auto state = sampleWithoutSelection();
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(state, "endtoend.json"));
    FakeDialogs dialogs;
    const app::Launch launched =
        app::launch(std::make_unique<host::dbus::DbusRunningObjects>(bus.connect()), dialogs);
    ASSERT_TRUE(launched.window) << "start-up ended the program";
    const auto click = [&](const char* name) {
        auto* button = getChild<QAbstractButton>(*launched.window, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    };
    click("optStart"); // the start number is 1 on its own
    click("chkSend");
    click("cmdRun");

    const auto expected =
        tools::runPass(state, tools::parseArguments({"state.json", "--mode", "all"})).report;
    const auto now = sim.state();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(namesOf(now.documents[0]), expected["names"].get<std::vector<std::string>>());
    ASSERT_TRUE(now.layout);
    EXPECT_EQ(now.layout->parts, expected["layout"].get<std::vector<std::string>>());
    EXPECT_NE(now.layout->parts, namesOf(state.documents[0])) << "the pass renamed nothing";
}

} // namespace
