// The cost of the process boundary: one automation call over the session bus to the
// simulator program, and whole passes through it, the planned pass beside the pass it
// replaced. Each benchmark runs
// its own bus and simulator; the pass benchmarks report the host calls made per component,
// the figure that sets the pace against a host in another process.

#include "engine/formstate.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/statefile.h"
#include "tests/engine/reference/referencepass.h"
#include "tests/host/dbus/hostsimprocess.h"
#include "tools/gensample/samplegenerator.h"
#include "tools/pass/headlesswindow.h"

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

host::sim::SimState sampleWithoutSelection() {
    auto state = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    for (auto& component : state.documents[0].components)
        component.selected = false;
    return state;
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
    PassRig(const QString& file, const tools::Controls& controls)
        : sim(bus, file), objects(bus.connect()) {
        engine::Form_Load(form, window, objects);
        window.controls = controls;
    }

    PrivateBus bus;
    HostSimProcess sim;
    host::dbus::DbusRunningObjects objects;
    engine::FormState form;
    tools::HeadlessWindow window;
};

enum class Pass { Planned, Reference };

// One pass per iteration, each on a fresh simulator; starting and stopping it is not timed.
void passOverTheBus(benchmark::State& state, const host::sim::SimState& start,
                    const tools::Controls& controls, Pass pass) {
    const QString file = testing::writeStateFile(start, "pass.json");
    const auto components = static_cast<double>(start.documents[0].components.size());
    const auto scope = controls.optSelected ? engine::PassScope::SelectedComponents
                                            : engine::PassScope::AllComponents;
    std::uint64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<PassRig>(file, controls);
        const std::uint64_t before = rig->sim.callCount();
        state.ResumeTiming();
        const auto result = pass == Pass::Planned
                                ? engine::StartFrom(rig->form, rig->window, scope)
                                : engine::reference::referencePass(rig->form, rig->window,
                                                                   controls.optSelected ? 1 : 0);
        state.PauseTiming();
        if (!result.completed) {
            state.SkipWithError(result.stopMessage.c_str());
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
    const auto all = tools::Controls::allComponents("1");
    const auto assign = tools::Controls::selectedComponents("1", false);
    const struct {
        const char* name;
        host::sim::SimState start;
        tools::Controls controls;
        Pass pass;
        int iterations;
    } passes[] = {
        {"Sample/All", sampleWithoutSelection(), all, Pass::Planned, 3},
        {"All3000", design(3000, 0), all, Pass::Planned, 2},
        {"All3000/Reference", design(3000, 0), all, Pass::Reference, 1},
        {"Assign2000of4000", design(4000, 0.5), assign, Pass::Planned, 2},
        {"Assign2000of4000/Reference", design(4000, 0.5), assign, Pass::Reference, 1},
        // Where the passes differ most: in placement order the old pass stepped through ~200
        // taken names per component.
        {"Assign2000of4000/PlacementOrder", design(4000, 0.5, 1, false), assign, Pass::Planned, 2},
        {"Assign2000of4000/PlacementOrder/Reference", design(4000, 0.5, 1, false), assign,
         Pass::Reference, 1},
        {"All10000", design(10000, 0), all, Pass::Planned, 1},
    };
    for (const auto& p : passes)
        benchmark::RegisterBenchmark(p.name, passOverTheBus, p.start, p.controls, p.pass)
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
