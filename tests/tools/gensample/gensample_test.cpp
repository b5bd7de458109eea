// The committed sample design is what the generator makes now, and it looks like a board.

#include "host/sim/statefile.h"
#include "tools/gensample/samplegenerator.h"
#include "tools/pass/passrunner.h"

#include <QJsonArray>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace sequate::tools {
namespace {

using host::sim::ComponentData;

const std::string samplePath = std::string(SEQUATE_SAMPLES_DIR) + "/sample.json";

TEST(SampleGenerator, TheCommittedSampleIsWhatTheGeneratorMakes) {
    std::ifstream in(samplePath, std::ios::binary);
    std::ostringstream committed;
    committed << in.rdbuf();
    EXPECT_EQ(host::sim::serializeState(makeSampleState()), committed.str())
        << "run sequate-gensample " << samplePath << " and commit the result";
}

TEST(SampleGenerator, MakesTheSameDesignEveryTime) {
    EXPECT_EQ(makeSampleState(), makeSampleState());
}

bool endsInLetter(const std::string& name) {
    return std::isupper(static_cast<unsigned char>(name.back())) &&
           std::isdigit(static_cast<unsigned char>(name[name.size() - 2]));
}

TEST(SampleGenerator, TheDesignHasWhatANumberingPassMeets) {
    const auto state = makeSampleState();
    ASSERT_EQ(state.documents.size(), 1u);
    const auto& components = state.documents[0].components;
    std::set<std::string> names;
    std::set<double> xs;
    int selected = 0, gated = 0, lettered = 0, bare = 0;
    for (const ComponentData& component : components) {
        names.insert(component.name);
        selected += component.selected;
        gated += component.placements.size() > 1;
        lettered += endsInLetter(component.name);
        bare += std::isdigit(static_cast<unsigned char>(component.name[0])) != 0;
        ASSERT_FALSE(component.placements.empty()) << component.name;
        for (const auto& placement : component.placements) {
            EXPECT_TRUE(placement.x >= 0 && placement.x <= 12000 && placement.y >= 0 &&
                        placement.y <= 8000)
                << component.name;
            EXPECT_EQ(std::fmod(placement.x, 50), 0) << component.name;
            EXPECT_EQ(std::fmod(placement.y, 50), 0) << component.name;
        }
        xs.insert(component.placements[0].x);
    }
    EXPECT_EQ(components.size(), 320u);
    EXPECT_EQ(names.size(), components.size()) << "part names must be unique";
    // More than one would make a pass over all components number only the selection.
    EXPECT_EQ(selected, 1);
    EXPECT_GT(gated, 0);
    EXPECT_GT(lettered, 0);
    EXPECT_GT(bare, 0);
    EXPECT_LT(xs.size(), components.size()) << "some parts should share an x";
    ASSERT_TRUE(state.layout);
    EXPECT_EQ(state.layout->parts.size(), components.size());
    for (std::size_t i = 0; i < components.size(); ++i)
        EXPECT_EQ(state.layout->parts[i], components[i].name);
}

std::vector<std::string> strings(const QJsonValue& value) {
    std::vector<std::string> list;
    for (const QJsonValue& item : value.toArray())
        list.push_back(item.toString().toStdString());
    return list;
}

// The run command opens this file: with its one selected part, Run over all components must
// number the whole design and carry it into the layout.
TEST(SampleGenerator, APassOverAllComponentsCompletesOnTheCommittedSample) {
    const auto state = host::sim::loadStateFile(samplePath);
    RunnerOptions options;
    options.statePath = samplePath;
    const RunnerOutcome outcome = runPass(state, options);
    ASSERT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(outcome.report["stopped"].isNull())
        << outcome.report["stopped"].toString().toStdString();
    EXPECT_TRUE(outcome.report["messages"].toArray().isEmpty());

    const auto names = strings(outcome.report["names"]);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(strings(outcome.report["layout"]), names);
    std::vector<std::string> keptTheirNames;
    for (const ComponentData& component : state.documents[0].components) {
        if (endsInLetter(component.name))
            keptTheirNames.push_back(component.name);
    }
    EXPECT_EQ(strings(outcome.report["unnamed"]), keptTheirNames);
    EXPECT_GE(outcome.report["renames"].toArray().size(),
              static_cast<qsizetype>(names.size() - keptTheirNames.size()));
}

struct SizeCase {
    int components;
    std::optional<double> selectedFraction;
    int selected;
};

class GeneratedSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(GeneratedSize, HasTheAskedPartsAndSelection) {
    const SizeCase& size = GetParam();
    const auto state = makeSampleState({size.components, 7, size.selectedFraction, true});
    const auto& components = state.documents.at(0).components;
    std::set<std::string> names;
    int selected = 0;
    for (const ComponentData& component : components) {
        names.insert(component.name);
        selected += component.selected;
    }
    EXPECT_EQ(components.size(), std::size_t(size.components));
    EXPECT_EQ(names.size(), components.size()) << "part names must be unique";
    EXPECT_EQ(selected, size.selected);
    ASSERT_TRUE(state.layout);
    EXPECT_EQ(std::set<std::string>(state.layout->parts.begin(), state.layout->parts.end()), names);
}

INSTANTIATE_TEST_SUITE_P(SampleGenerator, GeneratedSize,
                         ::testing::Values(SizeCase{0, std::nullopt, 0},
                                           SizeCase{1, std::nullopt, 1}, SizeCase{40, 0.0, 0},
                                           SizeCase{40, 1.0, 40}, SizeCase{777, 0.9, 699},
                                           SizeCase{3000, 0.25, 750}),
                         [](const auto& info) {
                             return std::to_string(info.param.components) + "Parts" +
                                    std::to_string(info.param.selected) + "Selected";
                         });

TEST(SampleGenerator, TheSameSeedMakesTheSameDesignAndAnotherSeedAnother) {
    const SampleOptions options{500, 99, 0.1, true};
    EXPECT_EQ(makeSampleState(options), makeSampleState(options));
    SampleOptions other = options;
    other.seed = 100;
    EXPECT_NE(makeSampleState(options), makeSampleState(other));
}

std::string letterCode(const std::string& name) {
    std::size_t end = 0;
    while (end < name.size() && std::isupper(static_cast<unsigned char>(name[end])))
        ++end;
    return name.substr(0, end);
}

// Many resistors and capacitors, fewer of the rest; annotation with holes and gate letters;
// listed out of creation order, on a sheet that grows with the design.
TEST(SampleGenerator, ABigDesignLooksLikeABoard) {
    const auto state = makeSampleState({5000, 3, std::nullopt, true});
    const auto& components = state.documents.at(0).components;
    std::map<std::string, std::set<int>> numbers;
    int lettered = 0;
    double right = 0;
    for (const ComponentData& component : components) {
        lettered += endsInLetter(component.name);
        const std::string code = letterCode(component.name);
        if (!code.empty() && !endsInLetter(component.name))
            numbers[code].insert(std::stoi(component.name.substr(code.size())));
        for (const auto& placement : component.placements)
            right = std::max(right, placement.x);
    }
    EXPECT_GT(numbers["R"].size(), 3 * numbers["U"].size());
    EXPECT_GT(numbers["C"].size(), 3 * numbers["Q"].size());
    for (const char* code : {"U", "D", "Q", "L", "J"})
        EXPECT_GT(numbers[code].size(), 10u) << code;
    EXPECT_GT(lettered, 0);
    EXPECT_GT(*numbers["R"].rbegin(), int(numbers["R"].size())) << "numbering should have gaps";
    EXPECT_GT(right, 12000) << "the sheet should grow with the design";
    std::vector<std::string> listed;
    for (const ComponentData& component : components)
        listed.push_back(component.name);
    EXPECT_NE(listed, state.layout->parts) << "the list should not be in creation order";
}

TEST(SampleGenerator, AGeneratedDesignLoadsFromItsStateFile) {
    const auto state = makeSampleState({1200, 11, 0.3, true});
    const auto path = std::filesystem::temp_directory_path() /
                      ("gensample-" + std::to_string(::getpid()) + ".json");
    host::sim::saveStateFile(path.string(), state);
    const auto loaded = host::sim::loadStateFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(loaded, state);
}

} // namespace
} // namespace sequate::tools
