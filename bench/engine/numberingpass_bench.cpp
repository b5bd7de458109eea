// Passes and the ordering by position on the in-memory PowerLogic. Besides time, each run
// reports the automation calls made per component: with the real PowerLogic every one of
// them crosses into another process, so they, not the engine, set the pace.

#include "engine/formstate.h"
#include "engine/rotationorder.h"
#include "engine/runcommand.h"
#include "engine/startup.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "tools/pass/headlesswindow.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace sequate::engine {
namespace {

using host::sim::ComponentData;
using host::sim::DocumentData;

// A design as designers leave it before renumbering: codes interleaved, numbers scattered
// over a range twice the size of the design, some gates ending in a letter.
DocumentData design(int size, int selectedEvery) {
    static const char* codes[] = {"R", "C", "U", "IC", "D", "Q"};
    std::mt19937 random(size);
    std::vector<int> numbers(2 * size);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<int>(i) + 1;
    std::shuffle(numbers.begin(), numbers.end(), random);
    DocumentData doc{"bench.sch", {}};
    for (int i = 0; i < size; ++i) {
        std::string name = codes[random() % 6] + std::to_string(numbers[i]);
        if (i % 50 == 0)
            name += "A";
        const bool selected = selectedEvery > 0 && i % selectedEvery == 0;
        doc.components.push_back(ComponentData{
            name, selected, {{double(random() % 20000) / 4, double(random() % 20000) / 4}}});
    }
    return doc;
}

struct Started {
    host::sim::SimPowerLogic logic;
    host::sim::SimRunningObjects objects{&logic, nullptr};
    FormState state;
    tools::HeadlessWindow window;

    explicit Started(const DocumentData& doc) : logic({doc}) { Form_Load(state, window, objects); }
};

void reportPerComponent(benchmark::State& state, std::uint64_t calls, std::int64_t components) {
    const double perIteration = static_cast<double>(state.iterations());
    state.counters["host_calls_per_component"] = calls / perIteration / components;
    state.counters["time_per_component"] = benchmark::Counter(
        static_cast<double>(components),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void runPasses(benchmark::State& state, const DocumentData& doc, const tools::Controls& controls,
               std::int64_t components) {
    std::uint64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto started = std::make_unique<Started>(doc);
        started->window.controls = controls;
        const auto before = started->logic.callCount();
        state.ResumeTiming();
        const auto result = pressRun(started->state, started->window);
        state.PauseTiming();
        if (!result || !result->completed)
            state.SkipWithError("the pass did not complete");
        calls += started->logic.callCount() - before;
        started.reset();
        state.ResumeTiming();
    }
    reportPerComponent(state, calls, components);
}

void BM_PassAllComponents(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    runPasses(state, design(size, 0), tools::Controls::allComponents("1"), size);
}
BENCHMARK(BM_PassAllComponents)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PassSelected(benchmark::State& state) {
    const bool duplicates = state.range(0) != 0;
    // 2,000 of 4,000 components selected.
    runPasses(state, design(4000, 2), tools::Controls::selectedComponents("1", duplicates), 2000);
}
BENCHMARK(BM_PassSelected)
    ->ArgName("renameDuplicates")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

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
