// The Windows pass runner end to end: the sample in the COM simulator, one pass over all
// components with the ECO file handed to PowerPCB, and the report in JSON.

#include "comsimprocess.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"
#include "passwindow.h"
#include "tests/host/sim/sampledocuments.h"
#include "tools/compass/compassrunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

using namespace sequate;
using namespace sequate::testing;

namespace {

TEST(ComPassRunner, APassOverTheSampleReachesSchematicAndLayout) {
    const host::sim::SimState sample = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    host::sim::SimPowerLogic memoryLogic(sample.documents);
    host::sim::SimPowerPcb memoryPcb(host::sim::startingLayout(sample));
    host::sim::SimRunningObjects inMemory(&memoryLogic, &memoryPcb);
    const PassRun expected = runPass(inMemory, Mode::All, true);
    ASSERT_TRUE(expected.result.completed) << expected.result.stopMessage;

    ComSimProcess sim(writeStateFile(sample, "sample.json"));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(tools::comRunnerMain({"--mode", "all"}, out, err), 0) << err.str();
    const nlohmann::json report = nlohmann::json::parse(out.str());
    EXPECT_TRUE(report["stopped"].is_null()) << report["stopped"];
    EXPECT_EQ(report["names"].get<std::vector<std::string>>(), memoryLogic.openNames());
    EXPECT_EQ(report["renames"].size(), expected.result.renamesInEffect().size());
    EXPECT_TRUE(report["eco"].is_string());
    const host::sim::SimState after = sim.stop();
    EXPECT_EQ(after.layout->parts, memoryLogic.openNames());
}

TEST(ComPassRunner, RefusesAtStartUpAPowerLogicDeclaringASlotItCannotCallAndRenamesNothing) {
    const host::sim::SimState sample = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    ComSimProcess sim(writeStateFile(sample, "sample.json"), {"--types", "incompatible"});
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(tools::comRunnerMain({"--mode", "all"}, out, err), 1) << err.str();
    const nlohmann::json report = nlohmann::json::parse(out.str());
    ASSERT_EQ(report["messages"].size(), 1u);
    EXPECT_NE(report["messages"][0].get<std::string>().find(
                  "LogicComponent slot 8 is `put_Value(VARIANT)`, not a method taking a name"),
              std::string::npos)
        << report["messages"][0];
    EXPECT_TRUE(report["renames"].empty());
    EXPECT_EQ(sim.stop().documents, sample.documents);
}

TEST(ComPassRunner, DescribeAcceptsEveryOperationOfTheSimulatorAndNamesABadSlot) {
    std::ostringstream help, unused;
    EXPECT_EQ(tools::comRunnerMain({"-h"}, help, unused), 0);
    EXPECT_NE(help.str().find("--no-eco"), std::string::npos) << help.str();
    const std::string stateFile =
        writeStateFile(host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json"), "sample.json");
    for (const std::string types : {"standard", "incompatible"}) {
        ComSimProcess sim(stateFile, {"--types", types});
        std::ostringstream out;
        std::ostringstream err;
        const int status = tools::comRunnerMain({"--describe"}, out, err);
        const std::string text = out.str();
        std::size_t accepted = 0;
        for (std::size_t at = 0; (at = text.find("  accepted\n", at)) != std::string::npos; ++at)
            ++accepted;
        if (types == "standard") {
            EXPECT_EQ(status, 0) << text;
            EXPECT_EQ(accepted, 20u) << text;
            EXPECT_TRUE(text.ends_with("\nAll 20 operations are as Sequate expects.\n")) << text;
        } else {
            EXPECT_EQ(status, 1) << text;
            EXPECT_NE(text.find("LogicComponent slot 8 SetName: put_Value(VARIANT)  REFUSED"),
                      std::string::npos)
                << text;
            EXPECT_TRUE(text.ends_with("\n2 of 20 operations differ: Sequate will not rename "
                                       "until they match.\n"))
                << text;
        }
    }
}

// The trace's calls of PowerLogic, as "LogicObjects.Item", are those of the same pass in memory,
// in order, each with its answer; the runner's reading of the names afterwards follows them.
TEST(ComPassRunner, TheTraceListsEveryCallOfThePassInOrderWithItsAnswer) {
    const host::sim::SimState sample = sampleWithoutSelection();
    host::sim::SimPowerLogic memory(sample.documents);
    std::vector<std::string> expected;
    memory.setCallObserver([&](const std::string& call) { expected.push_back(call); });
    host::sim::SimRunningObjects inMemory(&memory, nullptr);
    ASSERT_TRUE(runPass(inMemory, Mode::All, false).result.completed);

    ComSimProcess sim(writeStateFile(sample, "trace.json"));
    const std::string trace = temporaryFile("calls.trace");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(tools::comRunnerMain({"--mode", "all", "--no-eco", "--trace", trace}, out, err), 0)
        << err.str();
    std::ifstream file(trace);
    std::vector<std::string> traced;
    for (std::string line; std::getline(file, line) && traced.size() < expected.size();) {
        // PowerLogic LogicComponent slot 8 SetName("R7") -> nothing [0.412 ms]
        std::istringstream words(line);
        std::string application, kind, slot, number, call;
        words >> application >> kind >> slot >> number >> call;
        EXPECT_EQ(application, "PowerLogic") << line;
        EXPECT_NE(line.find(") -> "), std::string::npos) << line;
        if (call.starts_with("Name")) {
            EXPECT_NE(line.find(") -> \""), std::string::npos) << line;
        }
        traced.push_back(kind + '.' + call.substr(0, call.find('(')));
    }
    EXPECT_EQ(traced, expected);
}

} // namespace
