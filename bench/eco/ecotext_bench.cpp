// The ECO text of a large pass. The rows are those of a pass over all parts: every part first
// moved to a temporary number, then given its final name, so names repeat in all three ways
// and the file has many sections.

#include "eco/ecotext.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

struct Rows {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
};

Rows passRows(std::size_t count) {
    static const char* const codes[] = {"R", "C", "U", "Q", "D"};
    Rows rows;
    const std::size_t parts = count / 2;
    const auto name = [](std::size_t i, std::size_t number) {
        return std::string(codes[i % 5]) + std::to_string(number);
    };
    for (std::size_t i = 0; i < parts; ++i) {
        rows.oldNames.push_back(name(i, i / 5 + 1));
        rows.newNames.push_back(name(i, i / 5 + 1 + 30000));
    }
    for (std::size_t i = 0; i < count - parts; ++i) {
        // The final names reuse the old ones in another order: chains and swaps.
        const std::size_t target = (i * 7919) % parts;
        rows.oldNames.push_back(rows.newNames[i]);
        rows.newNames.push_back(name(i, target / 5 + 1));
    }
    return rows;
}

void BM_EcoText(benchmark::State& state) {
    const Rows rows = passRows(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sequate::eco::ecoText(rows.oldNames, rows.newNames));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_EcoText)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
