// The journal folder of one design after more passes than are kept, each over ten thousand
// components: the completed passes kept to be put back, the last ten, must stay under a
// megabyte together. Reported as journal_folder_bytes.

#include "engine/completedpass.h"
#include "tests/engine/designs.h"
#include "tests/engine/session.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace sequate::engine {
namespace {

std::uintmax_t folderBytes(const std::filesystem::path& folder) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

void journalFolderOfManyPasses(benchmark::State& state) {
    const int components = static_cast<int>(state.range(0));
    const auto doc = testing::DesignGenerator(11).design({components, 0, false});
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        testing::Session session(doc);
        // Two starts in turn, so that every pass renames nearly every component.
        for (int pass = 0; pass < 12; ++pass) {
            if (!testing::completed(session.runAll(pass % 2 ? "101" : "1"))) {
                state.SkipWithError("a pass did not complete");
                return;
            }
        }
        if (completedPassesOf(session.state.journalFolder, doc.name).size() != completedPassesKept)
            state.SkipWithError("not the last ten passes kept");
        bytes = folderBytes(session.state.journalFolder);
    }
    state.counters["journal_folder_bytes"] = static_cast<double>(bytes);
    state.counters["under_one_megabyte"] = bytes < 1024 * 1024 ? 1 : 0;
}
BENCHMARK(journalFolderOfManyPasses)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace sequate::engine
