// The sample designs under samples/ load and behave as the tests and the run command expect.

#include "host/sim/simpowerlogic.h"
#include "host/sim/statefile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace sequate::host::sim {
namespace {

const std::string samples = SEQUATE_SAMPLES_DIR;

TEST(Samples, SmallHoldsANormalAnEmptyAndAnUnsavedDocument) {
    const SimState state = loadStateFile(samples + "/small.json");
    ASSERT_EQ(state.documents.size(), 3u);
    EXPECT_EQ(state.documents[0].name, "small.sch");
    EXPECT_EQ(state.documents[1].components.size(), 0u);
    EXPECT_EQ(state.documents[2].name, "");
    ASSERT_TRUE(state.layout);
    EXPECT_EQ(state.layout->parts.size(), state.documents[0].components.size());
}

// The file is kept in the writer's own layout, so it doubles as the writer's golden file.
TEST(Samples, SmallIsWrittenBackByteForByte) {
    const std::string path = samples + "/small.json";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(serializeState(loadStateFile(path)), text.str());
}

// The default sample opens with one part selected: start-up and a pass over all components
// work on the whole design, not on a selection.
TEST(Samples, TheDefaultSampleStartsUpOnTheWholeDesign) {
    SimPowerLogic sim(loadStateFile(samples + "/sample.json").documents);
    const auto doc = sim.application()->CurrentDocument();
    EXPECT_EQ(doc->Name(), "amplifier.sch");
    EXPECT_EQ(doc->Selection()->Count(), 1);
    EXPECT_TRUE(doc->SelectedObjects()->Item(1)->Selected());
    EXPECT_EQ(doc->ComponentSet()->Query(1, "", 0)->Count(), 320);
}

} // namespace
} // namespace sequate::host::sim
