// Reading and writing the simulators' state file.

#include "host/sim/statefile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace sequate::host::sim {
namespace {

std::string errorOf(const std::string& json) {
    try {
        parseState(json, "amp.json");
    } catch (const StateFileError& error) {
        return error.what();
    }
    return "(loaded)";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Malformed {
    const char* json;
    const char* message;
};

class MalformedState : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedState, IsRejectedWithFilePlaceAndFault) {
    EXPECT_EQ(errorOf(GetParam().json), GetParam().message);
}

constexpr const char* doc = R"({"documents": [{"name": "a.sch", "components": [)";

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedState,
    ::testing::Values(
        Malformed{"", "amp.json: line 1, column 1: invalid JSON: illegal value"},
        Malformed{"{\"documents\": [\n  {\"name\": \"a\",}\n]}",
                  "amp.json: line 2, column 17: invalid JSON: object is missing after a comma"},
        Malformed{"{\"documents\": []", "amp.json: line 1, column 17: invalid JSON: unterminated "
                                        "object"},
        Malformed{"[]", "amp.json: top level: expected an object"},
        Malformed{"{}", "amp.json: top level: missing key \"documents\""},
        Malformed{R"({"documents": [], "layuot": {}})",
                  "amp.json: top level: unknown key \"layuot\" (known keys: documents, layout)"},
        Malformed{R"({"documents": {}})", "amp.json: documents: expected an array"},
        Malformed{R"({"documents": [7]})", "amp.json: documents[0]: expected an object"},
        Malformed{R"({"documents": [{"components": []}]})",
                  "amp.json: documents[0]: missing key \"name\""},
        Malformed{R"({"documents": [{"name": "a"}]})",
                  "amp.json: documents[0]: missing key \"components\""},
        Malformed{R"({"documents": [{"name": null, "components": []}]})",
                  "amp.json: documents[0].name: expected a string"},
        Malformed{R"({"documents": [{"name": "a", "components": [], "selected": true}]})",
                  "amp.json: documents[0]: unknown key \"selected\" (known keys: name, "
                  "components)"},
        Malformed{R"({"documents": [{"name": "a", "components": [{}]}]})",
                  "amp.json: documents[0].components[0]: missing key \"name\""},
        Malformed{R"({"documents": [{"name": "a", "components": [{"name": 12}]}]})",
                  "amp.json: documents[0].components[0].name: expected a string"},
        Malformed{R"({"documents": [{"name": "a", "components": [{"name": "R1"}, {"name": ""}]}]})",
                  "amp.json: documents[0].components[1].name: a part name cannot be empty"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "selcted": true}]}]})",
            "amp.json: documents[0].components[0]: unknown key \"selcted\" (known keys: "
            "name, selected, placements)"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "selected": 1}]}]})",
            "amp.json: documents[0].components[0].selected: expected true or false"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": [1, 2]}]}]})",
            "amp.json: documents[0].components[0].placements[0]: expected two finite "
            "numbers [x, y]"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": [[1, 2], [3]]}]}]})",
            "amp.json: documents[0].components[0].placements[1]: expected two finite "
            "numbers [x, y]"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": [[1, "2"]]}]}]})",
            "amp.json: documents[0].components[0].placements[0]: expected two finite "
            "numbers [x, y]"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": [[1, 2, 3]]}]}]})",
            "amp.json: documents[0].components[0].placements[0]: expected two finite "
            "numbers [x, y]"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": {}}]}]})",
            "amp.json: documents[0].components[0].placements: expected an array"},
        Malformed{
            R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": [[1e400, 0]]}]}]})",
            "amp.json: line 1, column 81: invalid JSON: illegal number"},
        Malformed{R"({"documents": [], "layout": []})", "amp.json: layout: expected an object"},
        Malformed{R"({"documents": [], "layout": {"name": "a.pcb"}})",
                  "amp.json: layout: missing key \"parts\""},
        Malformed{R"({"documents": [], "layout": {"name": "a.pcb", "parts": ["R1", 2]}})",
                  "amp.json: layout.parts[1]: expected a string"},
        Malformed{R"({"documents": [], "layout": {"name": "a.pcb", "parts": [""]}})",
                  "amp.json: layout.parts[0]: a part name cannot be empty"}));

TEST(StateFile, ReadsTheDocumentedExampleWithItsDefaults) {
    const SimState state = parseState(
        R"({"documents": [{"name": "amp.sch", "components": [{"name": "R1", "placements": )"
        R"([[1200, 800]], "selected": true}, {"name": "U1", "placements": [[500, 400], )"
        R"([700, 400]]}]}], "layout": {"name": "amp.pcb", "parts": ["R1", "U1"]}})",
        "amp.json");
    const SimState expected{
        {{"amp.sch", {{"R1", true, {{1200, 800}}}, {"U1", false, {{500, 400}, {700, 400}}}}}},
        LayoutData{"amp.pcb", {"R1", "U1"}}};
    EXPECT_EQ(state, expected);
}

TEST(StateFile, AllowsNoDocumentsNoLayoutAndDuplicateNames) {
    EXPECT_EQ(parseState(R"({"documents": []})", "a.json"), SimState{});
    const SimState state = parseState(
        R"({"documents": [{"name": "", "components": [{"name": "R1"}, {"name": "R1"}]}]})",
        "a.json");
    EXPECT_EQ(state.documents[0].components.size(), 2u);
    EXPECT_FALSE(state.layout);
}

SimState awkwardState() {
    return {{{"odd \"name\"\\.sch",
              {{"R1", true, {{0.1, -2.5e-7}, {1e15, -0.0}}},
               {"R1", false, {}},
               {"U\xc3\xa9\t7", true, {{12000, 8000}}}}},
             {"", {}}},
            LayoutData{"", {"R1", "X\x01"}}};
}

TEST(StateFile, SerializedStateReadsBackEqual) {
    for (const SimState& state : {SimState{}, awkwardState(),
                                  SimState{{{"a.sch", {{"R1", false, {{1, 2}}}}}}, std::nullopt}}) {
        EXPECT_EQ(parseState(serializeState(state), "round.json"), state);
    }
}

TEST(StateFile, SerializeRefusesACoordinateThatIsNotFinite) {
    SimState state{{{"a.sch", {{"R1", false, {{1, 2}, {0, 1.0 / 0.0}}}}}}, std::nullopt};
    try {
        serializeState(state);
        FAIL() << "serialized";
    } catch (const StateFileError& error) {
        EXPECT_STREQ(error.what(),
                     "documents[0].components[0].placements[1]: a coordinate must be a finite "
                     "number");
    }
}

class StateFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("sequate-statefile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    std::filesystem::path mFolder;
};

TEST_F(StateFileOnDisk, SaveThenLoadGivesTheSameStateAndLeavesNoTemporaryFile) {
    const std::string path = (mFolder / "state.json").string();
    saveStateFile(path, SimState{{{"old.sch", {}}}, std::nullopt});
    saveStateFile(path, awkwardState());
    EXPECT_EQ(loadStateFile(path), awkwardState());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mFolder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(StateFileOnDisk, AFailedSaveLeavesTheExistingFileAsItWas) {
    const std::string path = (mFolder / "state.json").string();
    saveStateFile(path, awkwardState());
    const std::string before = readFile(path);
    SimState bad{{{"a.sch", {{"R1", false, {{0.0 / 0.0, 0}}}}}}, std::nullopt};
    EXPECT_THROW(saveStateFile(path, bad), StateFileError);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(StateFileOnDisk, SaveIntoAMissingFolderNamesThePath) {
    const std::string path = (mFolder / "no" / "state.json").string();
    try {
        saveStateFile(path, SimState{});
        FAIL() << "saved";
    } catch (const StateFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(path + ": cannot write: ", 0), 0u)
            << error.what();
    }
}

TEST_F(StateFileOnDisk, LoadNamesTheFileThatCannotBeOpenedOrRead) {
    const std::string missing = (mFolder / "missing.json").string();
    try {
        loadStateFile(missing);
        FAIL() << "loaded";
    } catch (const StateFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(missing + ": cannot open: ", 0), 0u)
            << error.what();
    }
    const std::string broken = (mFolder / "broken.json").string();
    std::ofstream(broken) << "{\"documents\": [{\"name\": \"a\"}]}";
    try {
        loadStateFile(broken);
        FAIL() << "loaded";
    } catch (const StateFileError& error) {
        EXPECT_EQ(std::string(error.what()), broken + ": documents[0]: missing key \"components\"");
    }
}

} // namespace
} // namespace sequate::host::sim
