// The name index of the simulated PowerLogic against a plain linear model, over random renames
// in documents full of duplicate names.

#include "host/sim/simpowerlogic.h"

#include <gtest/gtest.h>
#include <random>

namespace sequate::host::sim {
namespace {

struct Reference {
    std::vector<std::string> names;
    std::vector<bool> selected;

    // The 0-based index of the first carrier among the members, or -1.
    int firstCarrier(const std::vector<std::size_t>& members, const std::string& name) const {
        for (const std::size_t member : members) {
            if (names[member] == name)
                return static_cast<int>(member);
        }
        return -1;
    }
    bool takenByAnother(std::size_t component, const std::string& name) const {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i != component && names[i] == name)
                return true;
        }
        return false;
    }
};

int indexOf(const std::shared_ptr<LogicComponent>& component) {
    return component ? static_cast<int>(component->Placements()->Item(1)->FirstCoordinate(0)) : -1;
}

TEST(NameIndexProperty, AgreesWithALinearScanThroughRandomRenames) {
    std::mt19937 random(20240611);
    const std::vector<std::string> pool{"R1", "R2", "R3", "C1", "C2", "U1", "U1A", "", "R 4"};
    for (int round = 0; round < 20; ++round) {
        Reference reference;
        DocumentData document{"random.sch", {}};
        const std::size_t size = 1 + random() % 60;
        for (std::size_t i = 0; i < size; ++i) {
            reference.names.push_back(pool[random() % 7]);
            reference.selected.push_back(random() % 3 == 0);
            document.components.push_back(
                {reference.names.back(), reference.selected.back(), {{double(i), 0}}});
        }
        SimPowerLogic sim({document});
        const auto doc = sim.application()->CurrentDocument();
        const auto all = doc->ComponentSet()->Objects();
        const auto selected = doc->SelectedObjects();
        std::vector<std::size_t> everyone;
        std::vector<std::size_t> chosen;
        for (std::size_t i = 0; i < size; ++i) {
            everyone.push_back(i);
            if (reference.selected[i])
                chosen.push_back(i);
        }
        for (int step = 0; step < 200; ++step) {
            const std::size_t who = random() % size;
            const std::string& name = pool[random() % pool.size()];
            const bool refused = name.empty() || name.find(' ') != std::string::npos ||
                                 reference.takenByAnother(who, name);
            try {
                all->Item(static_cast<std::int32_t>(who + 1))->SetName(name);
                ASSERT_FALSE(refused) << "accepted " << name;
                reference.names[who] = name;
            } catch (const HostFailure& failure) {
                ASSERT_TRUE(refused) << failure.what();
            }
            const std::string& probe = pool[random() % pool.size()];
            ASSERT_EQ(indexOf(all->Item(probe)), reference.firstCarrier(everyone, probe));
            ASSERT_EQ(indexOf(selected->Item(probe)), reference.firstCarrier(chosen, probe));
        }
        EXPECT_EQ(sim.openNames(), reference.names);
    }
}

} // namespace
} // namespace sequate::host::sim
