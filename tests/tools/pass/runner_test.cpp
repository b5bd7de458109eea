// The sequate-pass program: its usage errors, its output and exit status.

#include "engine/journalstore.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "host/sim/statefile.h"
#include "tests/support/privatedatafolder.h"
#include "tools/pass/passrunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

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
        {{"a.json", "--mode", "all", "--eco-file", "a.eco", "--write-only"}, "choose one"},
        {{broken, "--mode", "all"}, "broken.json"},
        {{"a.json", "--put-back-last"}, "--put-back-last needs --bus"},
        {{"--bus", "--mode", "all", "--put-back-last"}, "--mode and --put-back-last: choose one"},
        {{"a.json", "--mode", "all", "--order", "diagonal"}, "list, across or down, not"},
        {{"a.json", "--mode", "all", "--leave-alone", "J**"}, "--leave-alone: \"J**\" in Leave"},
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
    // Hosts in memory leave nothing to recover, so no journal reaches the user's data folder.
    EXPECT_FALSE(std::filesystem::exists(sequate::testing::privateDataFolder / "sequate"));
}

// "Write only" to the file --eco-file names: the layout is left alone, and a FIFO that the file
// would replace stops the pass with every name put back and exit status 1.
TEST(RunnerProgram, EcoFileWritesOnlyThatFile) {
    const std::filesystem::path& dir = sequate::testing::privateDataFolder;
    const std::string path = (dir / "amp.json").string();
    host::sim::saveStateFile(path, {{{"amp.sch", {{"R2", false, {}}, {"R1", false, {}}}}}, {}});
    const std::string fifo = (dir / "fifo.eco").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& ecoFile : {(dir / "out.eco").string(), fifo}) {
        const bool written = ecoFile != fifo;
        const Program program = runProgram({path, "--mode", "all", "--eco-file", ecoFile});
        const Json report = program.json();
        EXPECT_EQ(program.status, written ? 0 : 1);
        EXPECT_EQ(report["names"], written ? Json::array({"R1", "R2"}) : Json::array({"R2", "R1"}));
        EXPECT_EQ(report["layout"], Json::array({"R2", "R1"}));
        if (written) {
            std::ifstream file(ecoFile, std::ios::binary);
            EXPECT_EQ(report["eco"], std::string(std::istreambuf_iterator<char>(file), {}));
        } else {
            EXPECT_TRUE(report["eco"].is_null());
        }
        EXPECT_EQ(report["stopped"].dump().find(fifo) != std::string::npos, !written) << report;
    }
}

const host::sim::SimState design{
    {{"amp.sch", {{"R1", true, {{0, 0}}}, {"R2", true, {{9, 0}}}, {"C3", false, {{5, 0}}}}}},
    host::sim::LayoutData{"amp.pcb", {"R1", "R2", "C3"}}};

// A folder of its own holding a pass over the design cut short after both renames.
void journalOfAPassCutShort(const std::filesystem::path& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "amp.sch.journal")
        << "sequate-journal 1\ndocument \"amp.sch\"\ncomponents 3\n"
           "rename 2 \"R1\" \"R2\"\nrename 1 \"R7\" \"R1\"\napplying\ndone 2\n";
}

// A recovery that leaves its journal unsettled ends with status 1, whichever call failed.
TEST(RunnerCore, ARecoveryLeftUnsettledEndsWithStatus1) {
    const std::filesystem::path dir = sequate::testing::privateDataFolder / "unsettled";
    int unsettled = 0;
    for (std::uint64_t k = 1; k <= 20; ++k) {
        journalOfAPassCutShort(dir);
        host::sim::SimPowerLogic logic(design.documents);
        host::sim::SimPowerPcb pcb(design.layout);
        host::sim::SimRunningObjects objects(&logic, &pcb);
        logic.failCall(k, host::HostCode::Failed);
        RunnerHosts hosts{objects};
        hosts.journalFolder = dir;
        const RunnerOutcome outcome =
            runRunner(hosts, parseArguments({"amp.json", "--recover", "undo", "--no-eco"}).runner,
                      "sequate-pass");
        const bool left = !engine::journalsOf(dir, "amp.sch").empty();
        unsettled += left;
        EXPECT_EQ(outcome.exitStatus, left ? 1 : 0) << "call " << k << ": " << outcome.report;
    }
    EXPECT_GT(unsettled, 0);
}

// "No object" where PowerLogic or PowerPCB must give one, at every call of a pass, a recovery
// and a plan, in each of the three places an ECO file can go: the runners' shared core and the
// engine end with a report that says why, never with a crash.
TEST(RunnerCore, NoObjectAtAnyCallEndsInAnOrderlyReport) {
    const std::filesystem::path dir = sequate::testing::privateDataFolder / "noobject";
    const std::vector<std::string> requests[] = {{"--mode", "all", "--start", "5"},
                                                 {"--recover", "undo"},
                                                 {"--mode", "selected", "--plan-only"}};
    const std::vector<std::string> ecoModes[] = {
        {}, {"--no-eco"}, {"--eco-file", (dir / "out.eco").string()}};
    int runs = 0;
    for (const auto& request : requests) {
        for (const auto& eco : ecoModes) {
            std::vector<std::string> arguments{"amp.json"};
            arguments.insert(arguments.end(), request.begin(), request.end());
            arguments.insert(arguments.end(), eco.begin(), eco.end());
            for (std::uint64_t k = 1, atLayout = 0; atLayout < 2; ++k, ++runs) {
                SCOPED_TRACE(Json(arguments).dump() + (atLayout ? " PowerPCB" : " PowerLogic") +
                             " call " + std::to_string(k));
                journalOfAPassCutShort(dir); // for the recovery to put back
                host::sim::SimPowerLogic logic(design.documents);
                host::sim::SimPowerPcb pcb(design.layout);
                host::sim::SimRunningObjects objects(&logic, &pcb);
                atLayout ? pcb.answerNoObjectAtCall(k) : logic.answerNoObjectAtCall(k);
                RunnerHosts hosts{objects};
                hosts.journalFolder = dir;
                const RunnerOutcome outcome =
                    runRunner(hosts, parseArguments(arguments).runner, "sequate-pass");
                const Json& report = outcome.report;
                const bool said = !report.value("messages", Json::array()).empty() ||
                                  !report["stopped"].is_null();
                EXPECT_TRUE(outcome.exitStatus == 0 || said) << report;
                if ((atLayout ? pcb.callCount() : logic.callCount()) < k) {
                    k = 0; // every call of that application met it: on to the next
                    ++atLayout;
                }
            }
        }
    }
    EXPECT_GT(runs, 100);
}

} // namespace
} // namespace sequate::tools
