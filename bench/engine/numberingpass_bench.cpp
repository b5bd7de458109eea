// Passes on the in-memory PowerLogic. Besides
// time, each run reports the host calls made per component and their ratio to the floor: with
// the real PowerLogic every call crosses into another process, so the calls, not the engine,
// set the pace.

#include "engine/rotationorder.h"
#include "engine/runcommand.h"
#include "engine/undolist.h"
#include "tests/engine/designs.h"
#include "tests/engine/session.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace sequate::engine {
namespace {

using testing::DesignGenerator;
using testing::Session;

host::sim::DocumentData design(int size, double share) {
    return DesignGenerator(static_cast<std::uint32_t>(size)).design({size, share, false});
}

void runPasses(benchmark::State& state, const host::sim::DocumentData& doc,
               const engine::PassRequest& request) {
    std::uint64_t calls = 0;
    std::uint64_t floor = 0;
    std::uint64_t selected = 0;
    for (const auto& part : doc.components)
        selected += part.selected ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>(doc);
        const auto before = session->names();
        const auto callsBefore = session->logic.callCount();
        state.ResumeTiming();
        const PassOutcome result = *pressRun(session->state, session->window.ports(), request);
        state.PauseTiming();
        if (!std::holds_alternative<PassCompleted>(result)) {
            state.SkipWithError("the pass did not complete");
            break;
        }
        calls += session->logic.callCount() - callsBefore;
        const bool selectedScope = request.scope == engine::PassScope::SelectedComponents;
        const bool selectionCounts = selectedScope || selected > 1;
        const bool byPosition = request.order != engine::WalkOrder::Standard;
        floor +=
            testing::hostCallFloor(before, session->names(), selectionCounts ? selected : 0,
                                   selectedScope || byPosition, byPosition && !selectionCounts);
        session.reset();
        state.ResumeTiming();
    }
    const auto components = static_cast<double>(doc.components.size());
    state.counters["host_calls_per_component"] =
        static_cast<double>(calls) / static_cast<double>(state.iterations()) / components;
    state.counters["calls_over_floor"] = static_cast<double>(calls) / static_cast<double>(floor);
    state.counters["time_per_component"] = benchmark::Counter(
        components, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Arguments: components, percent selected.
void BM_AllComponents(benchmark::State& state) {
    runPasses(state, design(static_cast<int>(state.range(0)), state.range(1) / 100.0),
              engine::allComponentsRequest("1"));
}
BENCHMARK(BM_AllComponents)
    ->ArgsProduct({{1000, 3000, 10000}, {0}})
    ->Args({3000, 100}) // two or more selected: through the selection list
    ->Unit(benchmark::kMillisecond);

// Arguments: components, order (1 across then down, 2 down then across). Every component's
// position is read as well: six reads a component are the floor.
void BM_AllComponentsByPosition(benchmark::State& state) {
    engine::PassRequest request = engine::allComponentsRequest("1");
    request.order = static_cast<engine::WalkOrder>(state.range(1));
    runPasses(state, design(static_cast<int>(state.range(0)), 0), request);
}
BENCHMARK(BM_AllComponentsByPosition)
    ->ArgsProduct({{1000, 10000}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

void BM_SelectedAssign(benchmark::State& state) {
    runPasses(state, design(static_cast<int>(state.range(0)), state.range(1) / 100.0),
              engine::selectedComponentsRequest("1", false));
}
BENCHMARK(BM_SelectedAssign)
    ->ArgsProduct({{1000, 3000, 10000}, {10, 50, 100}})
    ->Args({4000, 50})
    ->Unit(benchmark::kMillisecond);

void BM_SelectedRenameDuplicates(benchmark::State& state) {
    runPasses(state, design(static_cast<int>(state.range(0)), state.range(1) / 100.0),
              engine::selectedComponentsRequest("1", true));
}
BENCHMARK(BM_SelectedRenameDuplicates)
    ->ArgsProduct({{1000, 3000, 10000}, {10, 50, 100}})
    ->Unit(benchmark::kMillisecond);

// A component that takes every name it is given, so that only the undo list is measured.
class AcceptingComponent : public host::LogicComponent {
public:
    std::string Value() override { return mName; }
    std::string Name() override { return mName; }
    void SetName(const std::string& name) override { mName = name; }
    bool Selected() override { return false; }
    std::shared_ptr<host::LogicPlacements> Placements() override { return nullptr; }

private:
    std::string mName;
};

void BM_UndoRenames(benchmark::State& state) {
    const auto renames = static_cast<int>(state.range(0));
    auto component = std::make_shared<AcceptingComponent>();
    for (auto _ : state) {
        state.PauseTiming();
        UndoList made;
        for (int i = 0; i < renames; ++i)
            made.add(component,
                     {ComponentIndex(0), "R" + std::to_string(i), "R" + std::to_string(i + 1)});
        state.ResumeTiming();
        benchmark::DoNotOptimize(made.undo());
    }
    state.SetItemsProcessed(state.iterations() * renames);
}
BENCHMARK(BM_UndoRenames)->Arg(80000)->Unit(benchmark::kMillisecond);

void BM_RotationOrderReversedRun(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    std::vector<SortedRow> run;
    for (int i = 0; i < size; ++i)
        run.push_back({"R" + std::to_string(i + 1), std::to_string(size - i), "0.5"});
    for (auto _ : state)
        benchmark::DoNotOptimize(rotationOrder(run));
    state.SetItemsProcessed(state.iterations() * size);
}
BENCHMARK(BM_RotationOrderReversedRun)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace sequate::engine
