// The cost of the process boundary: one automation call over the session bus to the
// simulator program, and whole passes through it, the planned pass beside the pass it
// replaced. Each benchmark runs
// its own bus and simulator; the pass benchmarks report the host calls made per component,
// the figure that sets the pace against a host in another process.

#include "engine/headlesswindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/statefile.h"
#include "tests/host/dbus/hostsimprocess.h"
#include "tools/gensample/samplegenerator.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

using namespace sequate;
using testing::HostSimProcess;
using testing::PrivateBus;

// A design like the sample, of any size, listed in the database's order or in the order the
// parts were placed.
host::sim::SimState design(int size, double share, std::uint32_t seed = 0, bool shuffled = true) {
    tools::SampleOptions options;
    options.components = size;
    options.seed = seed != 0 ? seed : static_cast<std::uint32_t>(size);
    if (share > 0)
        options.selectedFraction = share;
    options.shuffled = shuffled;
    return tools::makeSampleState(options);
}

void BM_OneCallOverTheBus(benchmark::State& state) {
    PrivateBus bus;
    HostSimProcess sim(bus, testing::writeStateFile(design(10, 0), "call.json"));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto doc = objects.attachPowerLogic()->CurrentDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->Name());
}
BENCHMARK(BM_OneCallOverTheBus)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

void BM_ItemByNameOverTheBus(benchmark::State& state) {
    PrivateBus bus;
    HostSimProcess sim(bus, testing::writeStateFile(design(3000, 0), "item.json"));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    const std::string name = list->Item(1500)->Name();
    for (auto _ : state)
        benchmark::DoNotOptimize(list->Item(name));
}
BENCHMARK(BM_ItemByNameOverTheBus)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

// A simulator of its own, started up against, ready for a pass.
struct PassRig {
    PassRig(const QString& file) : sim(bus, file), objects(bus.connect()) {
        engine::startUp(form, window, objects);
    }

    PrivateBus bus;
    HostSimProcess sim;
    host::dbus::DbusRunningObjects objects;
    engine::HostSession form;
    engine::HeadlessWindow window;
};

// One pass per iteration, each on a fresh simulator; starting and stopping it is not timed.
void passOverTheBus(benchmark::State& state, const host::sim::SimState& start,
                    const engine::PassRequest& request) {
    const QString file = testing::writeStateFile(start, "pass.json");
    const auto components = static_cast<double>(start.documents[0].components.size());
    std::uint64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<PassRig>(file);
        const std::uint64_t before = rig->sim.callCount();
        state.ResumeTiming();
        const auto result = engine::runPass(rig->form, rig->window.ports(), request);
        state.PauseTiming();
        if (!std::holds_alternative<engine::PassCompleted>(result)) {
            state.SkipWithError("the pass did not complete");
            break;
        }
        calls += rig->sim.callCount() - before;
        rig.reset();
        state.ResumeTiming();
    }
    state.counters["components"] = components;
    state.counters["host_calls_per_component"] =
        static_cast<double>(calls) / static_cast<double>(state.iterations()) / components;
}

void registerPasses() {
    const auto all = engine::allComponentsRequest("1");
    const auto assign = engine::selectedComponentsRequest("1", false);
    const struct {
        const char* name;
        host::sim::SimState start;
        engine::PassRequest request;
        int iterations;
    } passes[] = {
        {"Sample/All", testing::sampleWithoutSelection(), all, 3},
        {"All3000", design(3000, 0), all, 2},
        {"Assign2000of4000", design(4000, 0.5), assign, 2},
        // In placement order: the order of a selection pass.
        {"Assign2000of4000/PlacementOrder", design(4000, 0.5, 1, false), assign, 2},
        {"All10000", design(10000, 0), all, 1},
    };
    for (const auto& p : passes)
        benchmark::RegisterBenchmark(p.name, passOverTheBus, p.start, p.request)
            ->Iterations(p.iterations)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    registerPasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
