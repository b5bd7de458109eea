// Looking components up by name in the simulated PowerLogic: a pass over a design of 10,000
// parts makes one such look-up per part.

#include "host/sim/simpowerlogic.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace sequate::host;
using namespace sequate::host::sim;

constexpr int partCount = 10000;

std::vector<DocumentData> bigDesign() {
    DocumentData document{"big.sch", {}};
    for (int i = 0; i < partCount; ++i) {
        std::string name = i % 3 == 0 ? "R" : i % 3 == 1 ? "C" : "U";
        name += std::to_string(i + 1);
        document.components.push_back({name, i % 2 == 0, {{0, 0}}});
    }
    return {document};
}

std::vector<std::string> namesOf(const std::vector<DocumentData>& documents) {
    std::vector<std::string> names;
    for (const auto& component : documents.front().components)
        names.push_back(component.name);
    return names;
}

// One whole pass of look-ups, every part once, in the list of all components or of the
// selected half.
void lookUpEveryPart(benchmark::State& state, bool inSelection) {
    SimPowerLogic sim(bigDesign());
    const auto names = namesOf(sim.documents());
    const auto doc = sim.application()->CurrentDocument();
    const auto list = inSelection ? doc->SelectedObjects() : doc->ComponentSet()->Objects();
    for (auto _ : state) {
        for (const auto& name : names)
            benchmark::DoNotOptimize(list->Item(name));
    }
    state.SetItemsProcessed(state.iterations() * partCount);
}

void BM_ItemByNameAllComponents(benchmark::State& state) {
    lookUpEveryPart(state, false);
}
BENCHMARK(BM_ItemByNameAllComponents)->Unit(benchmark::kMillisecond);

void BM_ItemByNameSelection(benchmark::State& state) {
    lookUpEveryPart(state, true);
}
BENCHMARK(BM_ItemByNameSelection)->Unit(benchmark::kMillisecond);

// Renaming keeps the index up to date: each part to a fresh name and back.
void BM_SetNameRoundTrip(benchmark::State& state) {
    SimPowerLogic sim(bigDesign());
    const auto names = namesOf(sim.documents());
    std::vector<std::string> freshNames;
    for (const auto& name : names)
        freshNames.push_back(name + "X");
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    for (auto _ : state) {
        for (int i = 1; i <= partCount; ++i)
            all->Item(i)->SetName(freshNames[i - 1]);
        for (int i = 1; i <= partCount; ++i)
            all->Item(i)->SetName(names[i - 1]);
    }
    state.SetItemsProcessed(state.iterations() * partCount * 2);
}
BENCHMARK(BM_SetNameRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace
