// Schematic and layout stay in step over the bus, whatever PowerPCB answers: a failed answer to
// the ECO file is found out. That the journal of an earlier pass never puts back a later one is
// the engine's to decide (Journal.ADesignOfTheSameFileNameLeavesTheJournalAlone).

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "hostsimprocess.h"
#include "tests/support/passoutcome.h"
#include "tools/passcore/runnerwindow.h"

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

using namespace sequate;
using namespace sequate::testing;

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

struct RunOutcome {
    bool completed = false;
    std::string messages;
};

// Run pressed in a Sequate started afresh: start-up, a pass left unfinished settled as the
// question's default answer says, then a pass over all components that has PowerPCB read its
// ECO file.
RunOutcome pressRun(host::RunningObjects& objects, const fs::path& journals) {
    engine::HostSession state;
    state.journalFolder = journals;
    tools::RunnerWindow window(objects, std::nullopt, "the test");
    RunOutcome outcome;
    if (engine::startUp(state, window, objects) == engine::StartupOutcome::Running) {
        outcome.completed = completed(
            pressRunAndTell(state, window.ports(),
                            engine::allComponentsRequest("1", engine::EcoDestination::PowerPcb)));
    }
    for (const engine::ShownMessage& message : window.messages)
        outcome.messages += message.text + "\n";
    return outcome;
}

RunOutcome pressRun(PrivateBus& bus, const fs::path& journals) {
    host::dbus::DbusRunningObjects objects(bus.connect(), 2000);
    return pressRun(objects, journals);
}

// The number of the first such call of a pass that meets no fault, as the simulator counts
// calls: PowerLogic's and PowerPCB's together, from 1.
std::uint64_t callNumberOf(const std::string& call, const host::sim::SimState& state) {
    host::sim::SimPowerLogic logic(state.documents);
    host::sim::SimPowerPcb pcb(host::sim::startingLayout(state));
    Names calls;
    logic.setCallObserver([&](const std::string& name) { calls.push_back(name); });
    pcb.setCallObserver([&](const std::string& name) { calls.push_back(name); });
    host::sim::SimRunningObjects objects(&logic, &pcb);
    const QTemporaryDir journals;
    EXPECT_TRUE(pressRun(objects, journals.path().toStdString()).completed);
    const auto found = std::find(calls.begin(), calls.end(), call);
    EXPECT_NE(found, calls.end()) << call;
    return static_cast<std::uint64_t>(found - calls.begin()) + 1;
}

void expectInStep(HostSimProcess& sim, const std::string& when) {
    const host::sim::SimState now = sim.state();
    ASSERT_TRUE(now.layout) << when;
    EXPECT_EQ(now.layout->parts, namesOf(now.documents[0])) << when;
}

// PowerPCB applies the file and its answer fails, with any code a lost answer may carry, or it
// fails before reading: the pass follows what the layout did, and so does the next Run.
TEST(LayoutInStepOverTheBus, PowerPcbsFailedAnswerIsFoundOut) {
    const host::sim::SimState start = sampleWithoutSelection();
    const QString stateFile = writeStateFile(start, "answers.json");
    const QString read = QString::number(callNumberOf("PcbDocument.ReadEcoFile", start));
    const struct {
        const char* fault;
        const char* code;
    } cases[] = {
        {"--fail-after-effect-at-call", "80010108"}, // RPC_E_DISCONNECTED
        {"--fail-after-effect-at-call", "800706BE"}, // RPC_S_CALL_FAILED
        {"--fail-after-effect-at-call", "800706BA"}, // RPC_S_SERVER_UNAVAILABLE
        {"--fail-after-effect-at-call", "800705B4"}, // a timeout
        {"--fail-after-effect-at-call", "80004005"}, // E_FAIL, as the simulator refuses
        {"--fail-after-effect-at-call", "80010105"}, // RPC_E_SERVERFAULT
        {"--fail-after-effect-at-call", "800706BF"}, // RPC_S_CALL_FAILED_DNE
        {"--fail-at-call", "80004005"},
        {"--fail-at-call", "80010108"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fault) + " " + c.code);
        const bool tookIt = std::string(c.fault) == "--fail-after-effect-at-call";
        PrivateBus bus;
        HostSimProcess sim(bus, stateFile, {c.fault, read, "--fail-code", c.code});
        const QTemporaryDir journals;
        const RunOutcome pass = pressRun(bus, journals.path().toStdString());
        EXPECT_EQ(pass.completed, tookIt) << pass.messages;
        EXPECT_EQ(namesOf(sim.state().documents[0]) != namesOf(start.documents[0]), tookIt);
        expectInStep(sim, "after the pass");
        pressRun(bus, journals.path().toStdString());
        expectInStep(sim, "after the next Run");
        EXPECT_FALSE(sim.passOpen());
    }
}

} // namespace
