// The committed sample design is what the generator makes now, and it looks like a board.

#include "host/sim/statefile.h"
#include "tools/gensample/samplegenerator.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace sequate::tools {
namespace {

const std::string samplePath = std::string(SEQUATE_SAMPLES_DIR) + "/sample.json";

TEST(SampleGenerator, MakesTheCommittedSampleAndTheSameDesignForTheSameSeed) {
    std::ifstream in(samplePath, std::ios::binary);
    std::ostringstream committed;
    committed << in.rdbuf();
    EXPECT_EQ(host::sim::serializeState(makeSampleState()), committed.str())
        << "run sequate-gensample " << samplePath << " and commit the result";
    const SampleOptions options{500, 99, 0.1, true};
    EXPECT_EQ(makeSampleState(options), makeSampleState(options));
    SampleOptions other = options;
    other.seed = 100;
    EXPECT_NE(makeSampleState(options), makeSampleState(other));
}

// What a numbering pass meets: gates, names ending in a letter, bare numbers, parts sharing an
// x, all on the 50-mil grid, and the layout holding the same parts. The sample has one part
// selected (more would make a pass over all components number only the selection) and keeps
// creation order on a fixed sheet; a big design has many resistors and capacitors, fewer of the
// rest, numbering with gaps, is listed out of creation order and on a sheet that grows.
TEST(SampleGenerator, TheDesignsLookLikeABoardOfTheAskedSize) {
    const struct {
        SampleOptions options;
        int selected;
    } designs[] = {{{}, 1},
                   {{0, 7, std::nullopt, true}, 0},
                   {{1, 7, std::nullopt, true}, 1},
                   {{777, 7, 0.9, true}, 699},
                   {{5000, 3, std::nullopt, true}, 1}};
    for (const auto& design : designs) {
        const int count = design.options.components;
        SCOPED_TRACE(std::to_string(count) + " components");
        const auto state = makeSampleState(design.options);
        std::vector<std::string> listed;
        std::map<std::string, std::set<int>> numbers;
        std::set<double> xs;
        int selected = 0, gated = 0, lettered = 0, bare = 0, offGrid = 0;
        double right = 0, bottom = 0;
        for (const auto& component : state.documents.at(0).components) {
            const std::string& name = component.name;
            listed.push_back(name);
            selected += component.selected;
            gated += component.placements.size() > 1;
            const auto digits = name.find_first_of("0123456789");
            const bool endsInLetter = std::isupper(static_cast<unsigned char>(name.back())) &&
                                      digits != std::string::npos;
            lettered += endsInLetter;
            bare += digits == 0;
            if (digits > 0 && digits != std::string::npos && !endsInLetter)
                numbers[name.substr(0, digits)].insert(std::stoi(name.substr(digits)));
            for (const auto& at : component.placements) {
                offGrid += std::fmod(at.x, 50) != 0 || std::fmod(at.y, 50) != 0;
                right = std::max(right, at.x);
                bottom = std::max(bottom, at.y);
            }
            xs.insert(component.placements.at(0).x);
        }
        EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()).size(), std::size_t(count))
            << "part names must be unique";
        EXPECT_EQ(selected, design.selected);
        EXPECT_EQ(offGrid, 0);
        ASSERT_TRUE(state.layout);
        EXPECT_EQ(
            std::multiset<std::string>(state.layout->parts.begin(), state.layout->parts.end()),
            std::multiset<std::string>(listed.begin(), listed.end()));
        if (count < 320)
            continue;
        EXPECT_TRUE(gated > 0 && lettered > 0 && bare > 0);
        EXPECT_LT(xs.size(), listed.size()) << "some parts should share an x";
        EXPECT_GT(numbers["R"].size(), 3 * numbers["U"].size());
        EXPECT_GT(numbers["C"].size(), 3 * numbers["Q"].size());
        EXPECT_EQ(right > 12000 || bottom > 8000, count > 320) << "the sheet grows with the design";
        EXPECT_EQ(listed == state.layout->parts, !design.options.shuffled);
        if (count == 5000) {
            EXPECT_GT(*numbers["R"].rbegin(), int(numbers["R"].size())) << "numbering has gaps";
        }
    }
}

} // namespace
} // namespace sequate::tools
