// Whole passes through COM under Wine: the same renames, names, ECO text and layout as the
// same pass against the simulators in memory, and what a simulator that dies or hangs in the
// middle of a pass does to it.

#include "comdocuments.h"
#include "comsimprocess.h"
#include "host/com/comrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "passwindow.h"

#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

// The sample as a pass of the mode finds it: nothing selected for a pass over all components,
// every third component selected for the others.
host::sim::SimState passState(Mode mode) {
    host::sim::SimState state = sampleWithoutSelection();
    auto& components = state.documents[0].components;
    for (std::size_t i = 0; mode != Mode::All && i < components.size(); i += 3)
        components[i].selected = true;
    return state;
}

class PassOverCom : public ::testing::Test {
protected:
    // The k-th automation call (from 1) of a whole pass over all components that is of the
    // given kind, counted from the middle of the pass.
    std::uint64_t callInTheMiddle(const std::string& kind) {
        host::sim::SimPowerLogic memory(original.documents);
        std::vector<std::string> calls;
        memory.setCallObserver([&](const std::string& call) { calls.push_back(call); });
        host::sim::SimRunningObjects objects(&memory, nullptr);
        EXPECT_TRUE(completed(runPass(objects, Mode::All, false).result));
        for (std::size_t i = calls.size() / 2; i < calls.size(); ++i) {
            if (calls[i] == kind)
                return i + 1;
        }
        ADD_FAILURE() << "no " << kind << " call in the second half";
        return 0;
    }

    host::sim::SimState original = passState(Mode::All);
    std::string stateFile = writeStateFile(original, "pass.json");
};

// How the simulated applications declare and describe their objects: as hosts.idl does, with
// other but fitting types, through a dispatch interface that is not the object's own (calls go
// through the slots), or with no type information at all (the built-in types, logged).
enum class Declared { Standard, Variant, ThroughSlots, WithoutTypeInformation };

class EveryMode : public ::testing::TestWithParam<std::tuple<Mode, Declared>> {};

TEST_P(EveryMode, GivesWhatThePassInMemoryGivesAndTheLayoutFollows) {
    const auto [mode, declared] = GetParam();
    const host::sim::SimState original = passState(mode);
    const std::string stateFile = writeStateFile(original, "mode.json");
    host::sim::SimPowerLogic memoryLogic(original.documents);
    host::sim::SimPowerPcb memoryPcb(host::sim::startingLayout(original));
    host::sim::SimRunningObjects inMemory(&memoryLogic, &memoryPcb);
    const PassRun expected = runPass(inMemory, mode, true);
    ASSERT_TRUE(completed(expected.result)) << whatStopped(expected.result);
    ASSERT_TRUE(expected.eco);

    const std::vector<std::vector<std::string>> options = {
        {}, {"--types", "variant"}, {"--foreign-dispatch"}, {"--no-type-info"}};
    std::optional<host::sim::SimState> after;
    PassRun got;
    std::vector<std::string> log;
    {
        ComSimProcess sim(stateFile, options[static_cast<std::size_t>(declared)]);
        host::com::ComRunningObjects objects(
            5000, [&](const std::string& line) { log.push_back(line); }, nullptr);
        got = runPass(objects, mode, true);
        after = sim.stop();
    }
    // Once for each application, and only for one without type information.
    EXPECT_EQ(log.size(), declared == Declared::WithoutTypeInformation ? 2u : 0u);
    for (const std::string& line : log)
        EXPECT_NE(line.find("gives no type information: Sequate calls it with its built-in types"),
                  std::string::npos)
            << line;
    ASSERT_TRUE(completed(got.result)) << whatStopped(got.result);
    EXPECT_EQ(engine::renamesInEffect(*got.result), engine::renamesInEffect(*expected.result));
    EXPECT_EQ(std::get<engine::PassCompleted>(*got.result).applied.unnamed,
              std::get<engine::PassCompleted>(*expected.result).applied.unnamed);
    EXPECT_EQ(got.eco, expected.eco);
    EXPECT_EQ(namesOf(after->documents[0]), memoryLogic.openNames());
    ASSERT_TRUE(after->layout);
    EXPECT_EQ(after->layout->parts, namesOf(after->documents[0]));
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryMode,
                         ::testing::Combine(::testing::Values(Mode::All, Mode::SelectedAssign,
                                                              Mode::SelectedDuplicates),
                                            ::testing::Values(Declared::Standard, Declared::Variant,
                                                              Declared::ThroughSlots,
                                                              Declared::WithoutTypeInformation)));

TEST_F(PassOverCom, ASimulatorThatDiesStopsThePassWithAMessageNamingIt) {
    const std::uint64_t k = callInTheMiddle("LogicComponent.SetName");
    ComSimProcess sim(stateFile, {"--exit-at-call", std::to_string(k)});
    host::com::ComRunningObjects objects(3000);
    const PassRun got = runPass(objects, Mode::All, false);
    EXPECT_TRUE(sim.ended(5000));
    ASSERT_TRUE(got.result);
    const std::string said = ui::stopMessage(*got.result);
    EXPECT_NE(said.find("PowerLogic went away"), std::string::npos) << said;
    ASSERT_FALSE(got.messages.empty());
    EXPECT_EQ(got.messages[0].text, said);
}

// The simulator comes back after the hung call gave up, and the undo puts every name back.
TEST_F(PassOverCom, ASimulatorThatHangsAndResumesEndsWithEveryNameAsItWas) {
    const std::uint64_t k = callInTheMiddle("LogicObjects.Item");
    ComSimProcess sim(stateFile, {"--hang-at-call", std::to_string(k), "--hang-ms", "2500"});
    host::com::ComRunningObjects objects(1500);
    const PassRun got = runPass(objects, Mode::All, false);
    EXPECT_NE(whatStopped(got.result).find("did not answer"), std::string::npos)
        << whatStopped(got.result);
    EXPECT_EQ(namesOf(sim.stop().documents[0]), namesOf(original.documents[0]));
}

// PowerLogic closed and started again: the next Run attaches to the new one.
TEST_F(PassOverCom, RunFindsPowerLogicStartedAgain) {
    host::com::ComRunningObjects objects(3000);
    engine::HostSession state;
    state.journalFolder = temporaryFile("journals-again");
    tools::RunnerWindow window(objects, std::nullopt, "test");
    {
        ComSimProcess first(stateFile);
        ASSERT_EQ(engine::startUp(state, window, objects), engine::StartupOutcome::Running);
        first.stop();
    }
    ComSimProcess second(stateFile);
    const auto result = pressRunAndTell(state, window.ports(), engine::allComponentsRequest("1"));
    ASSERT_TRUE(completed(result)) << (window.messages.empty() ? "" : window.messages.back().text);
    EXPECT_NE(namesOf(second.stop().documents[0]), namesOf(original.documents[0]));
}

} // namespace
