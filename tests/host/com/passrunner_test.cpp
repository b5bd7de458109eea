// The Windows pass runner end to end against the COM simulator: --describe, and the trace of a
// pass. The pass itself over COM is pass_test's, its report the runners' core's.

#include "comsimprocess.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"
#include "passwindow.h"
#include "tests/support/sampledocuments.h"
#include "tools/compass/compassrunner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace sequate;
using namespace sequate::testing;

namespace {

TEST(ComPassRunner, DescribeAcceptsEveryOperationOfTheSimulatorAndNamesABadSlot) {
    std::ostringstream help, unused;
    EXPECT_EQ(tools::comRunnerMain({"-h"}, help, unused), 0);
    EXPECT_NE(help.str().find("--no-eco"), std::string::npos) << help.str();
    const std::string stateFile =
        writeStateFile(host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json"), "sample.json");
    const struct {
        const char* types;
        int status;
        const char* said; // a line of the description, and its last line
        const char* last;
    } cases[] = {{"standard", 0, "LogicComponent slot 8 SetName: ",
                  "\nAll 20 operations are as Sequate expects.\n"},
                 {"incompatible", 1, "LogicComponent slot 8 SetName: put_Value(VARIANT)  REFUSED",
                  "\n2 of 20 operations differ: Sequate will not rename until they match.\n"}};
    for (const auto& c : cases) {
        ComSimProcess sim(stateFile, {"--types", c.types});
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(tools::comRunnerMain({"--describe"}, out, err), c.status) << out.str();
        EXPECT_NE(out.str().find(c.said), std::string::npos) << out.str();
        EXPECT_TRUE(out.str().ends_with(c.last)) << out.str();
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
    ASSERT_TRUE(completed(runPass(inMemory, Mode::All, false).result));

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
