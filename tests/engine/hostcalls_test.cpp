// Every host call crosses into PowerLogic's process, so a pass makes as few as it can: within
// a fifth of the floor in every mode, counted exactly by the in-memory PowerLogic.

#include "designs.h"
#include "session.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

PassRequest ordered(PassRequest request, WalkOrder order) {
    request.order = order;
    return request;
}

TEST(HostCalls, EveryModeWithinAFifthOfTheFloor) {
    const struct {
        int components;
        double share; // of components selected
        engine::PassRequest request;
    } cases[] = {
        {400, 0, engine::allComponentsRequest("1")},
        {2000, 0, engine::allComponentsRequest("7")},
        {400, 1, engine::allComponentsRequest("1")}, // through the selection list
        {1000, 0, ordered(engine::allComponentsRequest("1"), WalkOrder::AcrossThenDown)},
        {400, 0, ordered(engine::allComponentsRequest("7"), WalkOrder::DownThenAcross)},
        {400, 1, ordered(engine::allComponentsRequest("1"), WalkOrder::AcrossThenDown)},
        {400, 0.5,
         ordered(engine::selectedComponentsRequest("1", true), WalkOrder::DownThenAcross)},
        {400, -1, engine::selectedComponentsRequest("1", false)},
        {400, 0.1, engine::selectedComponentsRequest("1", false)},
        {2000, 0.5, engine::selectedComponentsRequest("1", false)},
        {400, 1, engine::selectedComponentsRequest("100", false)},
        {400, 0.1, engine::selectedComponentsRequest("1", true)},
        {2000, 0.5, engine::selectedComponentsRequest("1", true)},
        {400, 1, engine::selectedComponentsRequest("7", true)},
    };
    std::uint32_t seed = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.components) + " components, share " +
                     std::to_string(c.share));
        DesignGenerator random(++seed);
        const auto doc = random.design({c.components, c.share, false});
        Session session(doc);
        const std::vector<std::string> before = session.names();
        const std::uint64_t callsBefore = session.logic.callCount();
        const PassOutcome result = *session.run(c.request);
        const std::uint64_t calls = session.logic.callCount() - callsBefore;
        const auto selected = static_cast<std::uint64_t>(
            std::count_if(doc.components.begin(), doc.components.end(),
                          [](const auto& part) { return part.selected; }));
        const bool selectedScope = c.request.scope == PassScope::SelectedComponents;
        const bool selectionCounts = selectedScope || selected > 1;
        const bool byPosition = c.request.order != WalkOrder::Standard;
        const std::uint64_t floor =
            hostCallFloor(before, session.names(), selectionCounts ? selected : 0,
                          selectedScope || byPosition, byPosition && !selectionCounts);
        EXPECT_TRUE(completed(result)) << whatStopped(result);
        EXPECT_LE(calls, floor * 6 / 5) << "floor " << floor;
    }
}

} // namespace
} // namespace sequate::engine::testing
