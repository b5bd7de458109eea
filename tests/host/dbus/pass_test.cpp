// A host that hangs in the middle of a numbering pass through the binding and answers late.

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "hostsimprocess.h"
#include "tests/support/passoutcome.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;

namespace {

engine::PassOutcome runAllComponents(host::RunningObjects& objects) {
    engine::HostSession state;
    engine::HeadlessWindow window;
    EXPECT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
    return engine::runPass(state, window.ports(), engine::allComponentsRequest("1"));
}

// The calls of the same pass against PowerLogic in memory, as "LogicObjects.Item", in order.
std::vector<std::string> callsInMemory(const host::sim::SimState& state) {
    host::sim::SimPowerLogic memory(state.documents);
    std::vector<std::string> calls;
    memory.setCallObserver([&](const std::string& call) { calls.push_back(call); });
    host::sim::SimRunningObjects inMemory(&memory, nullptr);
    EXPECT_TRUE(completed(runAllComponents(inMemory)));
    return calls;
}

TEST(PassOverTheBus, AHostThatHangsMidPassAndAnswersLateLeavesEveryNameAsItWas) {
    const host::sim::SimState original = sampleWithoutSelection();
    const std::vector<std::string> calls = callsInMemory(original);

    // The host hangs at a call in the second half of the pass and comes back after the call
    // gave up, and before the first call of the undo would.
    std::size_t k = calls.size() / 2;
    while (k < calls.size() && calls[k] != "LogicObjects.Item")
        ++k;
    ASSERT_LT(k, calls.size());
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(original, QStringLiteral("hang.json")),
                       {"--hang-at-call", QString::number(k + 1), "--hang-ms", "2200"});
    host::dbus::DbusRunningObjects objects(bus.connect(), 1500);
    const std::string stopped = ui::stopMessage(runAllComponents(objects));
    EXPECT_NE(stopped.find("did not answer within 1500 ms"), std::string::npos) << stopped;
    EXPECT_EQ(namesOf(sim.state().documents[0]), namesOf(original.documents[0]));
    EXPECT_FALSE(sim.passOpen());
}

// The trace's calls are those of the same pass in memory, each with its answer.
TEST(PassOverTheBus, TheTraceListsEveryCallOfThePassInOrderWithItsAnswer) {
    const host::sim::SimState original = sampleWithoutSelection();
    const std::vector<std::string> expected = callsInMemory(original);

    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(original, QStringLiteral("trace.json")));
    const QTemporaryDir folder;
    const std::string trace = folder.filePath(QStringLiteral("calls.trace")).toStdString();
    {
        host::dbus::DbusRunningObjects objects(bus.connect());
        objects.traceTo(std::make_shared<host::CallTrace>(trace));
        ASSERT_TRUE(completed(runAllComponents(objects)));
    }
    std::ifstream file(trace);
    std::vector<std::string> traced;
    for (std::string line; std::getline(file, line);) {
        // PowerLogic LogicComponent SetName("R7") -> nothing [0.412 ms]
        std::istringstream words(line);
        std::string application, kind, call;
        words >> application >> kind >> call;
        EXPECT_EQ(application, "PowerLogic") << line;
        if (call.starts_with("Name(")) {
            EXPECT_NE(line.find(") -> \""), std::string::npos) << line;
        }
        traced.push_back(kind + '.' + call.substr(0, call.find('(')));
    }
    EXPECT_EQ(traced, expected);
}

} // namespace
