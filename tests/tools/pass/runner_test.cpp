// The sequate-pass program: its usage errors, its output and exit status.

#include "host/sim/statefile.h"
#include "tests/support/privatedatafolder.h"
#include "tools/pass/passrunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace sequate::tools {
namespace {

struct Program {
    int status = 0;
    std::string out;
    std::string err;

    Json json() const { return Json::parse(out); }
};

Program runProgram(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = runnerMain(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(RunnerProgram, BadArgumentsAndBadStateFilesExitWithTwoAndSaySo) {
    const std::filesystem::path& dir = sequate::testing::privateDataFolder;
    const std::string broken = (dir / "broken.json").string();
    std::ofstream(broken) << "{\"documents\": [{\"name\": 3}]}";
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } cases[] = {
        {{"--mode", "all"}, "no state file"},
        {{"a.json"}, "--mode is missing"},
        {{"a.json", "--mode", "some"}, "all or selected"},
        {{"a.json", "--mode"}, "--mode needs a value"},
        {{"a.json", "--mode", "all", "--fast"}, "unknown option --fast"},
        {{"a.json", "b.json", "--mode", "all"}, "more than one state file"},
        {{"a.json", "--mode", "all", "--duplicates"}, "only applies to --mode selected"},
        {{"a.json", "--recover", "maybe"}, "--recover must be undo or keep"},
        {{"a.json", "--bus", "--mode", "all"}, "a state file and --bus: choose one"},
        {{"a.json", "--mode", "all", "--eco-file"}, "--eco-file needs a value"},
        {{"a.json", "--mode", "all", "--eco-file", "a.eco", "--write-only"}, "choose one"},
        {{broken, "--mode", "all"}, "broken.json"},
        {{"a.json", "--put-back-last"}, "--put-back-last needs --bus"},
        {{"--bus", "--mode", "all", "--put-back-last"}, "--mode and --put-back-last: choose one"},
    };
    for (const auto& c : cases) {
        const Program program = runProgram(c.arguments);
        EXPECT_TRUE(program.status == 2 && program.out.empty()) << c.says;
        EXPECT_NE(program.err.find(c.says), std::string::npos) << program.err;
    }
}

// The plan the runner prints is what the pass then does, and printing it renames nothing.
TEST(RunnerProgram, PrintsOneJsonObjectForThePlanAndForThePass) {
    const std::filesystem::path& dir = sequate::testing::privateDataFolder;
    const std::string path = (dir / "amp.json").string();
    host::sim::saveStateFile(
        path, {{{"amp.sch", {{"R2", false, {}}, {"R1", false, {}}, {"U2A", false, {}}}}}, {}});

    const Json plan = runProgram({path, "--mode", "all", "--plan-only"}).json();
    const Program pass = runProgram({path, "--mode", "all"});
    EXPECT_TRUE(pass.status == 0 && pass.err.empty()) << pass.err;
    EXPECT_EQ(plan["names"], Json::array({"R2", "R1", "U2A"}));
    EXPECT_EQ(plan["plan"].size(), 3u); // R2 and R1 swap names, one by way of a temporary name
    EXPECT_EQ(plan["plan"], pass.json()["renames"]);
    EXPECT_EQ(pass.json()["names"], Json::array({"R1", "R2", "U2A"}));
    EXPECT_EQ(pass.json()["layout"], pass.json()["names"]);
    // Hosts in memory leave nothing to recover, so no journal reaches the user's data folder.
    EXPECT_FALSE(std::filesystem::exists(sequate::testing::privateDataFolder / "sequate"));
}

// "Write only" to the file --eco-file names: the layout is left alone, and a file that cannot
// be written stops the pass with every name put back.
TEST(RunnerProgram, EcoFileWritesOnlyThatFile) {
    const std::filesystem::path& dir = sequate::testing::privateDataFolder;
    const std::string path = (dir / "amp.json").string();
    host::sim::saveStateFile(path, {{{"amp.sch", {{"R2", false, {}}, {"R1", false, {}}}}}, {}});
    const struct {
        std::string ecoFile;
        Json names;
    } cases[] = {
        {(dir / "out.eco").string(), Json::array({"R1", "R2"})},
        {(dir / "missing/out.eco").string(), Json::array({"R2", "R1"})},
    };
    for (const auto& c : cases) {
        const Json report = runProgram({path, "--mode", "all", "--eco-file", c.ecoFile}).json();
        EXPECT_EQ(report["names"], c.names) << c.ecoFile;
        EXPECT_EQ(report["layout"], Json::array({"R2", "R1"}));
        std::ifstream written(c.ecoFile, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(written)), {});
        EXPECT_EQ(report["eco"], bytes.empty() ? Json(nullptr) : Json(bytes));
        EXPECT_EQ(report["stopped"].is_null(), !bytes.empty()) << c.ecoFile;
    }
}

} // namespace
} // namespace sequate::tools
