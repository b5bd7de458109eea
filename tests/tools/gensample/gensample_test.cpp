// The committed sample design is what the generator makes now, and it looks like a board.

#include "host/sim/statefile.h"
#include "tools/gensample/samplegenerator.h"

#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace sequate::tools {
namespace {

TEST(SampleGenerator, MakesTheCommittedSampleAndTheSameDesignForTheSameSeed) {
    const std::string samplePath = std::string(SEQUATE_SAMPLES_DIR) + "/sample.json";
    std::ostringstream committed;
    committed << std::ifstream(samplePath, std::ios::binary).rdbuf();
    EXPECT_EQ(host::sim::serializeState(makeSampleState()), committed.str())
        << "run sequate-gensample " << samplePath << " and commit the result";
    const SampleOptions options{500, 99, 0.1, true};
    EXPECT_EQ(makeSampleState(options), makeSampleState(options));
    EXPECT_NE(makeSampleState(options), makeSampleState({500, 100, 0.1, true}));
}

// What a numbering pass meets: gates, names ending in a letter, bare numbers, and the layout
// holding the same parts. The sample has one part selected (more would make a pass over all
// components number only the selection) and keeps creation order; a big design is listed out of
// creation order.
TEST(SampleGenerator, TheDesignsLookLikeABoardOfTheAskedSize) {
    const struct {
        SampleOptions options;
        int selected;
    } designs[] = {{{}, 1}, {{777, 7, 0.9, true}, 699}, {{5000, 3, std::nullopt, true}, 1}};
    for (const auto& design : designs) {
        SCOPED_TRACE(design.options.components);
        const auto state = makeSampleState(design.options);
        std::vector<std::string> listed;
        int selected = 0, gated = 0, lettered = 0, bare = 0;
        for (const auto& component : state.documents.at(0).components) {
            const std::string& name = component.name;
            listed.push_back(name);
            selected += component.selected;
            gated += component.placements.size() > 1;
            lettered += std::isupper(static_cast<unsigned char>(name.back())) &&
                        name.find_first_of("0123456789") != std::string::npos;
            bare += std::isdigit(static_cast<unsigned char>(name.front())) != 0;
        }
        EXPECT_EQ(std::set(listed.begin(), listed.end()).size(), listed.size()) << "not unique";
        EXPECT_EQ(listed.size(), std::size_t(design.options.components));
        EXPECT_EQ(selected, design.selected);
        EXPECT_TRUE(gated > 0 && lettered > 0 && bare > 0);
        ASSERT_TRUE(state.layout);
        EXPECT_EQ(std::multiset(state.layout->parts.begin(), state.layout->parts.end()),
                  std::multiset(listed.begin(), listed.end()));
        EXPECT_EQ(listed == state.layout->parts, !design.options.shuffled);
    }
}

} // namespace
} // namespace sequate::tools
