// The cost of the process boundary: one automation call over the session bus to the
// simulator program, and whole passes over all components through it. Each benchmark runs
// its own bus and simulator; the pass benchmarks report the host calls made per component,
// the figure that sets the pace against a host in another process.

#include "engine/formstate.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/statefile.h"
#include "tests/host/dbus/hostsimprocess.h"
#include "tools/pass/headlesswindow.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

using namespace sequate;
using testing::HostSimProcess;
using testing::PrivateBus;

// A board as designers leave it before renumbering: codes interleaved, numbers scattered.
host::sim::SimState board(int size) {
    static const char* codes[] = {"R", "C", "U", "D", "Q", "L", "J"};
    std::mt19937 random(size);
    std::vector<int> numbers(2 * size);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<int>(i) + 1;
    std::shuffle(numbers.begin(), numbers.end(), random);
    host::sim::DocumentData doc{"board.sch", {}};
    for (int i = 0; i < size; ++i) {
        const double x = 50.0 * (random() % 240);
        const double y = 50.0 * (random() % 160);
        doc.components.push_back(
            {codes[random() % 7] + std::to_string(numbers[i]), false, {{x, y}}});
    }
    return {{doc}, std::nullopt};
}

host::sim::SimState sampleWithoutSelection() {
    auto state = host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
    for (auto& component : state.documents[0].components)
        component.selected = false;
    return state;
}

void BM_OneCallOverTheBus(benchmark::State& state) {
    PrivateBus bus;
    HostSimProcess sim(bus, testing::writeStateFile(board(10), "call.json"));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto doc = objects.attachPowerLogic()->CurrentDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->Name());
}
BENCHMARK(BM_OneCallOverTheBus)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

void BM_ItemByNameOverTheBus(benchmark::State& state) {
    PrivateBus bus;
    HostSimProcess sim(bus, testing::writeStateFile(board(3000), "item.json"));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    const std::string name = list->Item(1500)->Name();
    for (auto _ : state)
        benchmark::DoNotOptimize(list->Item(name));
}
BENCHMARK(BM_ItemByNameOverTheBus)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

// A simulator of its own, started up against, ready for a pass over all components.
struct PassRig {
    explicit PassRig(const QString& file) : sim(bus, file), objects(bus.connect()) {
        engine::Form_Load(form, window, objects);
        window.controls = tools::Controls::allComponents("1");
    }

    PrivateBus bus;
    HostSimProcess sim;
    host::dbus::DbusRunningObjects objects;
    engine::FormState form;
    tools::HeadlessWindow window;
};

// One pass per iteration, each on a fresh simulator; starting and stopping it is not timed.
void passOverAll(benchmark::State& state, const host::sim::SimState& start) {
    const QString file = testing::writeStateFile(start, "pass.json");
    const auto components = static_cast<double>(start.documents[0].components.size());
    std::uint64_t calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<PassRig>(file);
        const std::uint64_t before = rig->sim.callCount();
        state.ResumeTiming();
        const auto result =
            engine::StartFrom(rig->form, rig->window, engine::PassScope::AllComponents);
        state.PauseTiming();
        if (!result.completed)
            state.SkipWithError(result.stopMessage.c_str());
        calls += rig->sim.callCount() - before;
        rig.reset();
        state.ResumeTiming();
    }
    state.counters["components"] = components;
    state.counters["host_calls_per_component"] =
        static_cast<double>(calls) / static_cast<double>(state.iterations()) / components;
}

void BM_PassOverTheSample(benchmark::State& state) {
    passOverAll(state, sampleWithoutSelection());
}
BENCHMARK(BM_PassOverTheSample)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PassOver3000Components(benchmark::State& state) {
    passOverAll(state, board(3000));
}
BENCHMARK(BM_PassOver3000Components)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
