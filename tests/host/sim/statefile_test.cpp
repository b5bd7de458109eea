// Reading and writing the simulators' state file, and the sample designs under samples/.

#include "host/sim/statefile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// Written whole or not at all, and read back equal.
TEST_F(StateFile, SavedStateLoadsBackEqual) {
    const SimState awkward{{{"odd \"name\"\\.sch",
                             {{"R1", true, {{0.1, -2.5e-7}, {1e15, -0.0}}},
                              {"R1", false, {}},
                              {"U\xc3\xa9\t7", true, {{12000, 8000}}}}},
                            {"", {}}},
                           LayoutData{"", {"R1", "X\x01"}}};
    saveStateFile(path("state.json"), SimState{{{"old.sch", {}}}, std::nullopt});
    saveStateFile(path("state.json"), awkward);
    EXPECT_EQ(loadStateFile(path("state.json")), awkward);
    const std::string before = readFile(path("state.json"));
    const SimState bad{{{"a.sch", {{"R1", false, {{0.0 / 0.0, 0}}}}}}, std::nullopt};
    EXPECT_THROW(saveStateFile(path("state.json"), bad), StateFileError);
    EXPECT_EQ(readFile(path("state.json")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mFolder),
                            std::filesystem::directory_iterator()),
              1)
        << "a temporary file was left behind";
}

// Each message once: the file, the place and the fault, and the system's reason where it has one.
TEST_F(StateFile, BadInputIsRefusedWithFilePlaceAndFault) {
    const auto refusal = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const StateFileError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "the file is empty"},
        {" \r\n", "the file is empty"},
        {"\xff\xfe{\0}\0", "the file is UTF-16 text; save it as UTF-8"},
        {std::string("{\0\"\0", 4), "the file is UTF-16 text; save it as UTF-8"},
        {"{\"documents\": [\n  {\"name\": \"a\",}\n]}",
         "line 2, column 17: invalid JSON: object is missing after a comma"},
        {"{\"documents\": []", "line 1, column 17: invalid JSON: unterminated object"},
        {R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": )"
         R"([[1e400, 0]]}]}]})",
         "line 1, column 81: invalid JSON: illegal number"},
        {"[]", "top level: expected an object"},
        {"{}", "top level: missing key \"documents\""},
        {R"({"documents": [], "layuot": {}})",
         "top level: unknown key \"layuot\" (known keys: documents, layout)"},
        {R"({"documents": {}})", "documents: expected an array"},
        {R"({"documents": [7]})", "documents[0]: expected an object"},
        {R"({"documents": [{"name": null, "components": []}]})",
         "documents[0].name: expected a string"},
        {R"({"documents": [{"name": "a", "components": [], "selected": true}]})",
         "documents[0]: unknown key \"selected\" (known keys: name, components)"},
        {R"({"documents": [{"name": "a", "components": [{"name": "R1"}, {"name": ""}]}]})",
         "documents[0].components[1].name: a part name cannot be empty"},
        {R"({"documents": [{"name": "a", "components": [{"name": "R", "selcted": 1}]}]})",
         "documents[0].components[0]: unknown key \"selcted\" (known keys: name, "
         "selected, placements)"},
        {R"({"documents": [{"name": "a", "components": [{"name": "R", "selected": 1}]}]})",
         "documents[0].components[0].selected: expected true or false"},
        {R"({"documents": [{"name": "a", "components": [{"name": "R1", "placements": )"
         R"([[1, 2], [3, "4"]]}]}]})",
         "documents[0].components[0].placements[1]: expected two finite numbers [x, y]"},
        {R"({"documents": [], "layout": {"name": "a.pcb", "parts": ["R1", 2]}})",
         "layout.parts[1]: expected a string"},
    };
    for (const auto& [json, message] : cases)
        EXPECT_EQ(refusal([&] { parseState(json, "amp.json"); }), "amp.json: " + message);
    std::ofstream(path("broken.json")) << R"({"documents": [{"name": "a"}]})";
    EXPECT_EQ(refusal([&] { loadStateFile(path("broken.json")); }),
              path("broken.json") + ": documents[0]: missing key \"components\"");
    EXPECT_TRUE(refusal([&] {
                    loadStateFile(path("missing.json"));
                }).starts_with(path("missing.json") + ": cannot open: "));
    EXPECT_TRUE(refusal([&] {
                    saveStateFile(path("no/state.json"), SimState{});
                }).starts_with(path("no/state.json") + ": cannot write: "));
    // What is not a file is named, neither read nor replaced: reading a FIFO would wait for a
    // writer, and a rename would put a file in its place.
    std::vector<std::pair<std::string, std::string>> others{{mFolder.string(), "a folder"}};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    others = {{path("fifo"), "a FIFO"}, {"/dev/null", "a device"}, others[0]};
#endif
    for (const auto& [target, what] : others)
        EXPECT_EQ(refusal([&] { loadStateFile(target); }),
                  target + ": cannot read: it is " + what + ", not a state file");
    EXPECT_EQ(refusal([&] { saveStateFile(others[0].first, SimState{}); }),
              others[0].first + ": cannot write: it is " + others[0].second +
                  ", not a file, so it is not replaced");
    const SimState infinite{{{"a.sch", {{"R1", false, {{1, 2}, {0, 1.0 / 0.0}}}}}}, std::nullopt};
    EXPECT_EQ(refusal([&] { serializeState(infinite); }),
              "documents[0].components[0].placements[1]: a coordinate must be a finite number");
}

const std::string samples = SEQUATE_SAMPLES_DIR;

// The file is kept in the writer's own layout, so it doubles as the writer's golden file.
TEST(Samples, SmallIsWrittenBackByteForByte) {
    const std::string path = samples + "/small.json";
    EXPECT_EQ(serializeState(loadStateFile(path)), readFile(path));
}

} // namespace
} // namespace sequate::host::sim
