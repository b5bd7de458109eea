// The name index of the simulated PowerLogic against a plain linear model, over random renames
// in documents full of duplicate names.

#include "host/sim/simpowerlogic.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace sequate::host::sim {
namespace {

TEST(NameIndexProperty, AgreesWithALinearScanThroughRandomRenames) {
    std::mt19937 random(20240611);
    const std::vector<std::string> pool{"R1", "R2", "R3", "C1", "C2", "U1", "U1A", "", "R 4"};
    for (int round = 0; round < 20; ++round) {
        // Each component's first gate has its index as x.
        DocumentData document{"random.sch", {}};
        std::vector<std::string> names;
        std::vector<bool> selected;
        const std::size_t size = 1 + random() % 60;
        for (std::size_t i = 0; i < size; ++i) {
            names.push_back(pool[random() % 7]);
            selected.push_back(random() % 3 == 0);
            document.components.push_back({names.back(), selected.back(), {{double(i), 0}}});
        }
        SimPowerLogic sim({document});
        const auto doc = sim.application()->CurrentDocument();
        const auto all = doc->ComponentSet()->Objects();
        const auto chosen = doc->SelectedObjects();
        const auto index = [](const std::shared_ptr<LogicComponent>& component) {
            return component ? int(component->Placements()->Item(1)->FirstCoordinate(0)) : -1;
        };
        // The first carrier, among the selected ones or among all.
        const auto firstCarrier = [&](const std::string& name, bool amongSelected) {
            for (std::size_t i = 0; i < size; ++i) {
                if (names[i] == name && (selected[i] || !amongSelected))
                    return int(i);
            }
            return -1;
        };
        for (int step = 0; step < 200; ++step) {
            const std::size_t who = random() % size;
            const std::string& name = pool[random() % pool.size()];
            const bool refused =
                name.empty() || name.find(' ') != std::string::npos ||
                std::count(names.begin(), names.end(), name) > (names[who] == name);
            try {
                all->Item(static_cast<std::int32_t>(who + 1))->SetName(name);
                ASSERT_FALSE(refused) << "accepted " << name;
                names[who] = name;
            } catch (const HostFailure& failure) {
                ASSERT_TRUE(refused) << failure.what();
            }
            const std::string& probe = pool[random() % pool.size()];
            ASSERT_EQ(index(all->Item(probe)), firstCarrier(probe, false));
            ASSERT_EQ(index(chosen->Item(probe)), firstCarrier(probe, true));
        }
        EXPECT_EQ(sim.openNames(), names);
    }
}

} // namespace
} // namespace sequate::host::sim
