// Whole passes through COM under Wine: the same renames, names, ECO text and layout as the
// same pass against the simulators in memory, and what a simulator that dies or hangs in the
// middle of a pass does to it.

#include "comdocuments.h"
#include "comsimprocess.h"
#include "host/com/comlogic.h"
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
        EXPECT_TRUE(runPass(objects, Mode::All, false).result.completed);
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

class EveryMode : public ::testing::TestWithParam<Mode> {};

TEST_P(EveryMode, GivesWhatThePassInMemoryGivesAndTheLayoutFollows) {
    const host::sim::SimState original = passState(GetParam());
    const std::string stateFile = writeStateFile(original, "mode.json");
    host::sim::SimPowerLogic memoryLogic(original.documents);
    host::sim::SimPowerPcb memoryPcb(host::sim::startingLayout(original));
    host::sim::SimRunningObjects inMemory(&memoryLogic, &memoryPcb);
    const PassRun expected = runPass(inMemory, GetParam(), true);
    ASSERT_TRUE(expected.result.completed) << expected.result.stopMessage;
    ASSERT_TRUE(expected.eco);

    std::optional<host::sim::SimState> after;
    PassRun got;
    {
        ComSimProcess sim(stateFile);
        host::com::ComRunningObjects objects;
        got = runPass(objects, GetParam(), true);
        after = sim.stop();
    }
    ASSERT_TRUE(got.result.completed) << got.result.stopMessage;
    EXPECT_EQ(got.result.renamesInEffect(), expected.result.renamesInEffect());
    EXPECT_EQ(got.result.unnamed, expected.result.unnamed);
    EXPECT_EQ(got.eco, expected.eco);
    EXPECT_EQ(namesOf(after->documents[0]), memoryLogic.openNames());
    ASSERT_TRUE(after->layout);
    EXPECT_EQ(after->layout->parts, namesOf(after->documents[0]));
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryMode,
                         ::testing::Values(Mode::All, Mode::SelectedAssign,
                                           Mode::SelectedDuplicates));

TEST_F(PassOverCom, ASimulatorThatDiesStopsThePassWithAMessageNamingIt) {
    const std::uint64_t k = callInTheMiddle("LogicComponent.SetName");
    ComSimProcess sim(stateFile, {"--exit-at-call", std::to_string(k)});
    host::com::ComRunningObjects objects(3000);
    const PassRun got = runPass(objects, Mode::All, false);
    EXPECT_TRUE(sim.ended(5000));
    EXPECT_FALSE(got.result.completed);
    EXPECT_NE(got.result.stopMessage.find("PowerLogic went away"), std::string::npos)
        << got.result.stopMessage;
    ASSERT_FALSE(got.messages.empty());
    EXPECT_EQ(got.messages[0].text, got.result.stopMessage);
}

// The simulator comes back after the hung call gave up, and the undo puts every name back.
TEST_F(PassOverCom, ASimulatorThatHangsAndResumesEndsWithEveryNameAsItWas) {
    const std::uint64_t k = callInTheMiddle("LogicObjects.Item");
    ComSimProcess sim(stateFile, {"--hang-at-call", std::to_string(k), "--hang-ms", "2500"});
    host::com::ComRunningObjects objects(1500);
    const PassRun got = runPass(objects, Mode::All, false);
    EXPECT_FALSE(got.result.completed);
    EXPECT_NE(got.result.stopMessage.find("did not answer"), std::string::npos)
        << got.result.stopMessage;
    EXPECT_EQ(namesOf(sim.stop().documents[0]), namesOf(original.documents[0]));
}

} // namespace
