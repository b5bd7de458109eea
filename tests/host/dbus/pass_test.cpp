// Whole numbering passes through the binding: the same result as against the simulator in
// memory, and what a host that dies or hangs in the middle of a pass does to it.

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"
#include "hostsimprocess.h"
#include "testdocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;

namespace {

struct PassOutcome {
    engine::PassResult result;
    std::vector<engine::ShownMessage> messages;
};

PassOutcome runAllComponents(host::RunningObjects& objects) {
    engine::HostSession state;
    engine::HeadlessWindow window;
    EXPECT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
    window.controls = engine::Controls::allComponents("1");
    PassOutcome outcome{engine::runPass(state, window, engine::PassScope::AllComponents),
                        window.messages};
    return outcome;
}

class PassOverTheBus : public ::testing::Test {
protected:
    // The k-th automation call (from 1) of a whole pass that is of the given kind, counted
    // from the middle of the pass.
    std::uint64_t callInTheMiddle(const QString& kind) {
        PrivateBus dryBus;
        HostSimProcess dry(dryBus, stateFile);
        host::dbus::DbusRunningObjects objects(dryBus.connect());
        EXPECT_TRUE(runAllComponents(objects).result.completed);
        const QStringList calls = dry.callLog();
        for (qsizetype i = calls.size() / 2; i < calls.size(); ++i) {
            if (calls[i].endsWith(kind))
                return static_cast<std::uint64_t>(i) + 1;
        }
        ADD_FAILURE() << "no " << kind.toStdString() << " call in the second half";
        return 0;
    }

    host::sim::SimState original = sampleWithoutSelection();
    QString stateFile = writeStateFile(original, QStringLiteral("pass.json"));
};

TEST_F(PassOverTheBus, GivesWhatThePassInMemoryGivesWithTheSameCalls) {
    host::sim::SimPowerLogic memory(original.documents);
    host::sim::SimRunningObjects inMemory(&memory, nullptr);
    const PassOutcome expected = runAllComponents(inMemory);
    ASSERT_TRUE(expected.result.completed) << expected.result.stopMessage;

    PrivateBus bus;
    HostSimProcess sim(bus, stateFile);
    host::dbus::DbusRunningObjects objects(bus.connect());
    const PassOutcome got = runAllComponents(objects);
    ASSERT_TRUE(got.result.completed) << got.result.stopMessage;
    EXPECT_EQ(namesOf(sim.state().documents[0]), memory.openNames());
    EXPECT_EQ(got.result.unnamed, expected.result.unnamed);
    EXPECT_EQ(sim.callCount(), memory.callCount());
    EXPECT_FALSE(sim.passOpen());
}

TEST_F(PassOverTheBus, AHostThatDiesStopsThePassWithAMessageNamingIt) {
    const std::uint64_t k = callInTheMiddle(QStringLiteral("LogicComponent.SetName"));
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile, {QStringLiteral("--exit-at-call"), QString::number(k)});
    host::dbus::DbusRunningObjects objects(bus.connect());
    const PassOutcome got = runAllComponents(objects);
    EXPECT_FALSE(got.result.completed);
    EXPECT_NE(got.result.stopMessage.find("PowerLogic went away"), std::string::npos)
        << got.result.stopMessage;
    ASSERT_FALSE(got.messages.empty());
    EXPECT_EQ(got.messages[0].text, got.result.stopMessage);
    EXPECT_EQ(got.messages[0].title, "Sequate");
}

// The host comes back after the hung call gave up, and before the first call of the undo would.
TEST_F(PassOverTheBus, AHostThatHangsAndResumesEndsWithEveryNameAsItWas) {
    const std::uint64_t k = callInTheMiddle(QStringLiteral("LogicObjects.Item"));
    PrivateBus bus;
    HostSimProcess sim(bus, stateFile,
                       {QStringLiteral("--hang-at-call"), QString::number(k),
                        QStringLiteral("--hang-ms"), QStringLiteral("2200")});
    host::dbus::DbusRunningObjects objects(bus.connect(), 1500);
    const PassOutcome got = runAllComponents(objects);
    EXPECT_FALSE(got.result.completed);
    EXPECT_NE(got.result.stopMessage.find("did not answer"), std::string::npos)
        << got.result.stopMessage;
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(original.documents[0]));
    EXPECT_FALSE(sim.passOpen());
}

// BeginPass answered too late may still have opened PowerLogic's pass: it is ended all the same,
// so the user's edits are not held back, and the next pass runs.
TEST_F(PassOverTheBus, APassWhoseBeginGotNoAnswerIsClosedAllTheSame) {
    PrivateBus dryBus;
    HostSimProcess dry(dryBus, stateFile);
    host::dbus::DbusRunningObjects dryObjects(dryBus.connect());
    runAllComponents(dryObjects);
    const auto begin =
        dry.callLog().indexOf(QStringLiteral("PowerLogic LogicApplication.BeginPass"));
    ASSERT_GE(begin, 0);

    PrivateBus bus;
    HostSimProcess sim(bus, stateFile,
                       {QStringLiteral("--hang-at-call"), QString::number(begin + 1),
                        QStringLiteral("--hang-ms"), QStringLiteral("2200")});
    host::dbus::DbusRunningObjects objects(bus.connect(), 1500);
    EXPECT_FALSE(runAllComponents(objects).result.completed);
    EXPECT_TRUE(waitUntil([&] { return !sim.passOpen(); }, 10000));
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(original.documents[0]));
    EXPECT_TRUE(runAllComponents(objects).result.completed);
}

} // namespace
