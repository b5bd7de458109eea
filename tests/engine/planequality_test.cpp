// Over 1,500 generated passes of every size, mode and option, the planned pass gives exactly
// the names afterwards, unnamed list and stop that it gave when it was checked against the pass
// it replaced (which asked PowerLogic at every step), and the renames the schematic went through
// as they were pinned once the ECO file listed those and no longer the numbering's steps. Each
// pass is pinned by a digest in golden/passes.txt; SEQUATE_WRITE_GOLDEN=1 writes the file anew.

#include "designs.h"
#include "session.h"
#include "ui/passmessages.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace sequate::engine::testing {
namespace {

class Digest {
public:
    void add(const std::string& text) {
        for (const unsigned char c : text + '\n')
            mValue = (mValue ^ c) * 1099511628211ULL;
    }
    std::string hex() const {
        std::ostringstream out;
        out << std::hex << mValue;
        return out.str();
    }

private:
    std::uint64_t mValue = 14695981039346656037ULL;
};

// What a pass over one design did, as one line: completed or the stop's problem, and a digest
// of everything else.
std::string passLine(const host::sim::DocumentData& doc, const PassRequest& request) {
    Session session(doc);
    const PassOutcome result = runPass(session.state, session.window.ports(), request);
    Digest digest;
    for (const Rename& rename : renamesInEffect(result))
        digest.add(rename.before + " " + rename.after);
    for (const auto& name : session.names())
        digest.add(name);
    const auto* done = std::get_if<PassCompleted>(&result);
    for (const auto& name : done ? done->applied.unnamed : std::vector<std::string>{})
        digest.add(name);
    // The problem as the user reads it, so that the pins stay those of the words.
    const std::string said = ui::stopMessage(result);
    digest.add(said.substr(0, said.find("\n\n")));
    return (done ? "completed " : "stopped ") + digest.hex();
}

std::vector<std::string> allPassLines() {
    const double shares[] = {0, -1, 0.1, 0.5, 1};
    const char* starts[] = {"1", "7", "100"};
    std::vector<std::string> lines;
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        DesignGenerator random(seed);
        DesignShape shape;
        shape.components = seed % 50 == 0   ? random.between(1000, 3000)
                           : seed % 10 == 0 ? random.between(200, 600)
                                            : random.between(5, 120);
        shape.selectedShare = shares[seed % 5];
        shape.twins = seed % 7 == 0;
        const auto doc = random.design(shape);
        const std::string start = starts[seed % 3];
        const std::pair<const char*, engine::PassRequest> options[] = {
            {"all", engine::allComponentsRequest(start)},
            {"assign", engine::selectedComponentsRequest(start, false)},
            {"duplicates", engine::selectedComponentsRequest(start, true)},
        };
        for (const auto& [mode, request] : options)
            lines.push_back(std::to_string(seed) + " " + mode + " " + passLine(doc, request));
    }
    return lines;
}

TEST(PlanEquality, EveryGeneratedPassAsPinned) {
    const std::string path = std::string(SEQUATE_ENGINE_GOLDEN_DIR) + "/passes.txt";
    const auto lines = allPassLines();
    if (std::getenv("SEQUATE_WRITE_GOLDEN")) {
        std::ofstream out(path);
        for (const auto& line : lines)
            out << line << '\n';
    }
    std::ifstream in(path);
    std::vector<std::string> pinned;
    for (std::string line; std::getline(in, line);)
        pinned.push_back(line);
    ASSERT_EQ(pinned.size(), lines.size()) << path;
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], pinned[i]);
}

} // namespace
} // namespace sequate::engine::testing
