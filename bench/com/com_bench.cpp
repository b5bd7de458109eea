// What COM costs under Wine: the median of one automation call, and a whole pass over 1,000
// components with its calls per component. Wine's figures are not Windows's: they tell how the
// binding scales, not what a user on Windows waits.

#include "host/com/comrunningobjects.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "tests/engine/designs.h"
#include "tests/host/com/comsimprocess.h"
#include "tests/host/com/passwindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(ComBenchmark, TheMedianCallAndAPassOverAThousandComponents) {
    host::sim::SimState state;
    state.documents.push_back(engine::testing::DesignGenerator(13).design({.components = 1000}));
    state.documents[0].name = "bench.sch";
    const std::string stateFile = writeStateFile(state, "bench.json");

    host::sim::SimPowerLogic memory(state.documents);
    host::sim::SimRunningObjects inMemory(&memory, nullptr);
    const auto inMemoryStart = Clock::now();
    ASSERT_TRUE(completed(runPass(inMemory, Mode::All, false).result));
    // What the pass costs without COM: the engine, its journal on disk, the simulator.
    const double inMemoryMs = msSince(inMemoryStart);
    const std::uint64_t calls = memory.callCount();
    double medianMs = 0;

    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects(30000);
    {
        const auto component =
            objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects()->Item(1);
        std::vector<double> times;
        for (int i = 0; i < 300; ++i) {
            const auto start = Clock::now();
            component->Name();
            times.push_back(msSince(start));
        }
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        medianMs = times[times.size() / 2];
        std::printf("median COM call under Wine: %.3f ms (LogicComponent.Name, 300 calls)\n",
                    medianMs);
    }
    const auto start = Clock::now();
    const PassRun run = runPass(objects, Mode::All, false);
    const double passMs = msSince(start);
    ASSERT_TRUE(completed(run.result)) << whatStopped(run.result);
    const double perCallMs = passMs / static_cast<double>(calls);
    std::printf("pass over 1000 components through COM under Wine: %.0f ms, %llu calls, %.1f "
                "calls per component, %.3f ms per call, %.1f times the median call (at most "
                "1.5 wanted); the same pass in memory: %.0f ms\n",
                passMs, static_cast<unsigned long long>(calls), calls / 1000.0, perCallMs,
                perCallMs / medianMs, inMemoryMs);
}

} // namespace
