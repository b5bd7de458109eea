// Whole numbering passes through the binding: the same result as against the simulator in
// memory, and a host that hangs in the middle of one and answers late.

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "hostsimprocess.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;

namespace {

engine::PassResult runAllComponents(host::RunningObjects& objects) {
    engine::HostSession state;
    engine::HeadlessWindow window;
    EXPECT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
    window.controls = engine::Controls::allComponents("1");
    return engine::runPass(state, window, engine::PassScope::AllComponents);
}

TEST(PassOverTheBus, RunsAsInMemoryAndPutsEveryNameBackAfterAHostThatHangs) {
    const host::sim::SimState original = sampleWithoutSelection();
    host::sim::SimPowerLogic memory(original.documents);
    host::sim::SimRunningObjects inMemory(&memory, nullptr);
    const engine::PassResult expected = runAllComponents(inMemory);
    ASSERT_TRUE(expected.completed) << expected.stopMessage;

    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(original, QStringLiteral("pass.json")));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const engine::PassResult got = runAllComponents(objects);
    ASSERT_TRUE(got.completed) << got.stopMessage;
    EXPECT_EQ(namesOf(sim.state().documents[0]), memory.openNames());
    EXPECT_EQ(sim.callCount(), memory.callCount());

    // A host that hangs at a call in the second half of the same pass comes back after the
    // call gave up, and before the first call of the undo would: every name ends as it was.
    const QStringList calls = sim.callLog();
    qsizetype k = calls.size() / 2;
    while (k < calls.size() && !calls[k].endsWith(QStringLiteral("LogicObjects.Item")))
        ++k;
    ASSERT_LT(k, calls.size());
    PrivateBus hungBus;
    HostSimProcess hung(hungBus, writeStateFile(original, QStringLiteral("hang.json")),
                        {"--hang-at-call", QString::number(k + 1), "--hang-ms", "2200"});
    host::dbus::DbusRunningObjects hungObjects(hungBus.connect(), 1500);
    const engine::PassResult stopped = runAllComponents(hungObjects);
    EXPECT_NE(stopped.stopMessage.find("did not answer LogicObjects.Item within 1500 ms"),
              std::string::npos)
        << stopped.stopMessage;
    EXPECT_EQ(namesOf(hung.state().documents[0]), namesOf(original.documents[0]));
    EXPECT_FALSE(hung.passOpen());
}

} // namespace
