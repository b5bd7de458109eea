// What the simulator program saves: the renames made through automation, with the open
// document first so that it opens again.

#include "tools/hostsim/simhosts.h"

#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::hostsim;
using host::sim::DocumentData;
using host::sim::LayoutData;
using host::sim::SimState;

namespace {

TEST(CurrentState, PutsTheOpenDocumentFirstAndKeepsTheRenames) {
    const DocumentData amp{"amp.rev2.sch", {{"R1", false, {}}, {"C1", true, {}}}};
    const DocumentData unsaved{"", {{"Q1", false, {}}}};
    SimHosts hosts(SimState{{amp, unsaved, {"third.sch", {}}}, std::nullopt});
    hosts.logic().application()->CurrentDocument()->ComponentSet()->Objects()->Item(1)->SetName(
        "R7");
    hosts.logic().openDocument(2);
    const SimState saved = hosts.currentState();
    ASSERT_EQ(saved.documents.size(), 3u);
    EXPECT_EQ(saved.documents[0].name, "third.sch");
    EXPECT_EQ(saved.documents[1].components[0].name, "R7");
    EXPECT_EQ(saved.documents[1].components[1], amp.components[1]);
    EXPECT_EQ(saved.documents[2], unsaved);
    EXPECT_EQ(saved.layout, (LayoutData{"amp.pcb", {"R1", "C1"}}));
}

} // namespace
