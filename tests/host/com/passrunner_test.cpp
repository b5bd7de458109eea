// The Windows pass runner end to end: the sample in the COM simulator, one pass over all
// components with the ECO file handed to PowerPCB, and the report in JSON.

#include "comsimprocess.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"
#include "passwindow.h"
#include "tools/compass/compassrunner.h"

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

} // namespace
