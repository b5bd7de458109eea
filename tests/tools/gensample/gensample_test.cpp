// The committed sample design is what the generator makes now, and it looks like a board.

#include "host/sim/statefile.h"
#include "tools/gensample/samplegenerator.h"
#include "tools/pass/passrunner.h"

#include <QJsonArray>
#include <cctype>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace sequate::tools {
namespace {

using host::sim::ComponentData;

const std::string samplePath = std::string(SEQUATE_SAMPLES_DIR) + "/sample.json";

bool endsInLetter(const std::string& name) {
    return std::isupper(static_cast<unsigned char>(name.back())) &&
           std::isdigit(static_cast<unsigned char>(name[name.size() - 2]));
}

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

// What a numbering pass meets: gates, names ending in a letter, bare numbers, one selected
// part (more would make a pass over all components number only the selection), parts sharing
// an x, all on the 50-mil grid of the sheet, and the layout holding the same parts.
TEST(SampleGenerator, TheSampleHasWhatANumberingPassMeets) {
    const auto state = makeSampleState();
    ASSERT_EQ(state.documents.size(), 1u);
    const auto& components = state.documents[0].components;
    std::set<std::string> names;
    std::vector<std::string> listed;
    std::set<double> xs;
    int selected = 0, gated = 0, lettered = 0, bare = 0;
    for (const ComponentData& component : components) {
        names.insert(component.name);
        listed.push_back(component.name);
        selected += component.selected;
        gated += component.placements.size() > 1;
        lettered += endsInLetter(component.name);
        bare += std::isdigit(static_cast<unsigned char>(component.name[0])) != 0;
        ASSERT_FALSE(component.placements.empty()) << component.name;
        for (const auto& at : component.placements) {
            EXPECT_TRUE(at.x >= 0 && at.x <= 12000 && at.y >= 0 && at.y <= 8000 &&
                        std::fmod(at.x, 50) == 0 && std::fmod(at.y, 50) == 0)
                << component.name;
        }
        xs.insert(component.placements[0].x);
    }
    EXPECT_EQ(components.size(), 320u);
    EXPECT_EQ(names.size(), components.size()) << "part names must be unique";
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(gated > 0 && lettered > 0 && bare > 0);
    EXPECT_LT(xs.size(), components.size());
    ASSERT_TRUE(state.layout);
    EXPECT_EQ(state.layout->parts, listed);
}

// The run command opens this file: Run over all components must number the whole design and
// carry it into the layout.
TEST(SampleGenerator, APassOverAllComponentsCompletesOnTheCommittedSample) {
    RunnerOptions options;
    options.statePath = samplePath;
    const RunnerOutcome outcome = runPass(host::sim::loadStateFile(samplePath), options);
    ASSERT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(outcome.report["stopped"].isNull());
    EXPECT_TRUE(outcome.report["messages"].toArray().isEmpty());
    EXPECT_EQ(outcome.report["layout"], outcome.report["names"]);
}

// Many resistors and capacitors, fewer of the rest, numbering with gaps, listed out of creation
// order, on a sheet that grows with the design; as many parts and selected as asked.
TEST(SampleGenerator, AGeneratedDesignLooksLikeABoardOfTheAskedSize) {
    const struct {
        int components;
        std::optional<double> selectedFraction;
        int selected;
    } sizes[] = {{0, std::nullopt, 0}, {1, std::nullopt, 1}, {777, 0.9, 699}, {5000, 0.25, 1250}};
    for (const auto& size : sizes) {
        const auto state = makeSampleState({size.components, 3, size.selectedFraction, true});
        const auto& components = state.documents.at(0).components;
        std::set<std::string> names;
        std::map<std::string, std::set<int>> numbers;
        int selected = 0;
        double right = 0;
        for (const ComponentData& component : components) {
            names.insert(component.name);
            selected += component.selected;
            const auto code = component.name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
            if (code > 0 && code != std::string::npos && !endsInLetter(component.name))
                numbers[component.name.substr(0, code)].insert(
                    std::stoi(component.name.substr(code)));
            for (const auto& at : component.placements)
                right = std::max(right, at.x);
        }
        EXPECT_EQ(names.size(), std::size_t(size.components)) << "part names must be unique";
        EXPECT_EQ(selected, size.selected);
        ASSERT_TRUE(state.layout);
        EXPECT_EQ(std::set<std::string>(state.layout->parts.begin(), state.layout->parts.end()),
                  names);
        if (size.components < 5000)
            continue;
        EXPECT_GT(numbers["R"].size(), 3 * numbers["U"].size());
        EXPECT_GT(numbers["C"].size(), 3 * numbers["Q"].size());
        for (const char* code : {"U", "D", "Q", "L", "J"})
            EXPECT_GT(numbers[code].size(), 10u) << code;
        EXPECT_GT(*numbers["R"].rbegin(), int(numbers["R"].size())) << "numbering should have gaps";
        EXPECT_GT(right, 12000) << "the sheet should grow with the design";
        std::vector<std::string> listed;
        for (const ComponentData& component : components)
            listed.push_back(component.name);
        EXPECT_NE(listed, state.layout->parts) << "the list should be out of creation order";
    }
}

} // namespace
} // namespace sequate::tools
