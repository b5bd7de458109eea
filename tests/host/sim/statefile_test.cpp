// Reading and writing the simulators' state file, and the sample designs under samples/.

#include "host/sim/simpowerlogic.h"
#include "host/sim/statefile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace sequate::host::sim {
namespace {

class StateFile : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(mFolder); }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    std::string path(const std::string& name) const { return (mFolder / name).string(); }

    std::filesystem::path mFolder = std::filesystem::temp_directory_path() /
                                    ("sequate-statefile-" + std::to_string(::getpid()));
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

SimState awkwardState() {
    return {{{"odd \"name\"\\.sch",
              {{"R1", true, {{0.1, -2.5e-7}, {1e15, -0.0}}},
               {"R1", false, {}},
               {"U\xc3\xa9\t7", true, {{12000, 8000}}}}},
             {"", {}}},
            LayoutData{"", {"R1", "X\x01"}}};
}

TEST_F(StateFile, ReadsTheDocumentedExampleWithItsDefaults) {
    const SimState state = parseState(
        R"({"documents": [{"name": "amp.sch", "components": [{"name": "R1", "placements": )"
        R"([[1200, 800]], "selected": true}, {"name": "U1", "placements": [[500, 400], )"
        R"([700, 400]]}]}], "layout": {"name": "amp.pcb", "parts": ["R1", "U1"]}})",
        "amp.json");
    const SimState expected{
        {{"amp.sch", {{"R1", true, {{1200, 800}}}, {"U1", false, {{500, 400}, {700, 400}}}}}},
        LayoutData{"amp.pcb", {"R1", "U1"}}};
    EXPECT_EQ(state, expected);
    EXPECT_EQ(parseState(R"({"documents": []})", "a.json"), SimState{});
}

// Written whole or not at all, and read back equal.
TEST_F(StateFile, SavedStateLoadsBackEqual) {
    for (const SimState& state : {SimState{}, awkwardState()})
        EXPECT_EQ(parseState(serializeState(state), "round.json"), state);
    saveStateFile(path("state.json"), SimState{{{"old.sch", {}}}, std::nullopt});
    saveStateFile(path("state.json"), awkwardState());
    EXPECT_EQ(loadStateFile(path("state.json")), awkwardState());
    const std::string before = readFile(path("state.json"));
    const SimState bad{{{"a.sch", {{"R1", false, {{0.0 / 0.0, 0}}}}}}, std::nullopt};
    EXPECT_THROW(saveStateFile(path("state.json"), bad), StateFileError);
    EXPECT_EQ(readFile(path("state.json")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mFolder),
                            std::filesystem::directory_iterator()),
              1)
        << "a temporary file was left behind";
}

std::function<void()> parsing(const char* json) {
    return [json] { parseState(json, "amp.json"); };
}

// Each message once: the file, the place and the fault; where the system's reason follows, the
// expected text ends in ": ".
TEST_F(StateFile, BadInputIsRefusedWithFilePlaceAndFault) {
    std::ofstream(path("broken.json")) << R"({"documents": [{"name": "a"}]})";
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {parsing(""), "amp.json: line 1, column 1: invalid JSON: illegal value"},
        {parsing("{\"documents\": [\n  {\"name\": \"a\",}\n]}"),
         "amp.json: line 2, column 17: invalid JSON: object is missing after a comma"},
        {parsing("{\"documents\": []"),
         "amp.json: line 1, column 17: invalid JSON: unterminated object"},
        {parsing(R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": )"
                 R"([[1e400, 0]]}]}]})"),
         "amp.json: line 1, column 81: invalid JSON: illegal number"},
        {parsing("[]"), "amp.json: top level: expected an object"},
        {parsing("{}"), "amp.json: top level: missing key \"documents\""},
        {parsing(R"({"documents": [], "layuot": {}})"),
         "amp.json: top level: unknown key \"layuot\" (known keys: documents, layout)"},
        {parsing(R"({"documents": {}})"), "amp.json: documents: expected an array"},
        {parsing(R"({"documents": [7]})"), "amp.json: documents[0]: expected an object"},
        {parsing(R"({"documents": [{"name": null, "components": []}]})"),
         "amp.json: documents[0].name: expected a string"},
        {parsing(R"({"documents": [{"name": "a", "components": [], "selected": true}]})"),
         "amp.json: documents[0]: unknown key \"selected\" (known keys: name, components)"},
        {parsing(R"({"documents": [{"name": "a", "components": [{"name": "R1"}, {"name": ""}]}]})"),
         "amp.json: documents[0].components[1].name: a part name cannot be empty"},
        {parsing(R"({"documents": [{"name": "a", "components": [{"name": "R", "selcted": 1}]}]})"),
         "amp.json: documents[0].components[0]: unknown key \"selcted\" (known keys: name, "
         "selected, placements)"},
        {parsing(R"({"documents": [{"name": "a", "components": [{"name": "R", "selected": 1}]}]})"),
         "amp.json: documents[0].components[0].selected: expected true or false"},
        {parsing(R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": )"
                 R"([[1, 2], [3, "4"]]}]}]})"),
         "amp.json: documents[0].components[0].placements[1]: expected two finite numbers [x, y]"},
        {parsing(R"({"documents": [], "layout": {"name": "a.pcb", "parts": ["R1", 2]}})"),
         "amp.json: layout.parts[1]: expected a string"},
        {[&] { loadStateFile(path("broken.json")); },
         path("broken.json") + ": documents[0]: missing key \"components\""},
        {[&] { loadStateFile(path("missing.json")); }, path("missing.json") + ": cannot open: "},
        {[&] { saveStateFile(path("no/state.json"), SimState{}); },
         path("no/state.json") + ": cannot write: "},
        {[] {
             serializeState({{{"a.sch", {{"R1", false, {{1, 2}, {0, 1.0 / 0.0}}}}}}, std::nullopt});
         },
         "documents[0].components[0].placements[1]: a coordinate must be a finite number"},
    };
    for (const auto& [action, message] : cases) {
        try {
            action();
            ADD_FAILURE() << "no error: " << message;
        } catch (const StateFileError& error) {
            const std::string what = error.what();
            EXPECT_EQ(message.ends_with(": ") ? what.substr(0, message.size()) : what, message);
        }
    }
}

const std::string samples = SEQUATE_SAMPLES_DIR;

// The file is kept in the writer's own layout, so it doubles as the writer's golden file.
TEST(Samples, SmallIsWrittenBackByteForByte) {
    const std::string path = samples + "/small.json";
    EXPECT_EQ(serializeState(loadStateFile(path)), readFile(path));
}

// The default sample opens with one part selected: start-up and a pass over all components
// work on the whole design, not on a selection.
TEST(Samples, TheDefaultSampleStartsUpOnTheWholeDesign) {
    SimPowerLogic sim(loadStateFile(samples + "/sample.json").documents);
    const auto doc = sim.application()->CurrentDocument();
    EXPECT_EQ(doc->Name(), "amplifier.sch");
    EXPECT_EQ(doc->Selection()->Count(), 1);
    EXPECT_TRUE(doc->SelectedObjects()->Item(1)->Selected());
    EXPECT_EQ(doc->ComponentSet()->Query(1, "", 0)->Count(), 320);
}

} // namespace
} // namespace sequate::host::sim
