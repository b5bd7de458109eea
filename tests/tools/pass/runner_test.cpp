// The sequate-pass program: its arguments, its state file, its output and exit status.

#include "host/sim/statefile.h"
#include "tests/support/privatedatafolder.h"
#include "tools/pass/passrunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace sequate::tools {
namespace {

TEST(RunnerArguments, ReadsTheOptions) {
    const RunnerOptions options =
        parseArguments({"amp.json", "--mode", "selected", "--duplicates", "--start", "-5"});
    EXPECT_EQ(options.statePath, "amp.json");
    EXPECT_TRUE(options.selected);
    EXPECT_TRUE(options.duplicates);
    EXPECT_EQ(options.startText, "-5");
    EXPECT_EQ(parseArguments({"--mode", "all", "amp.json"}).startText, "1");
}

TEST(RunnerArguments, RefusesWhatItCannotUse) {
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } cases[] = {
        {{"--mode", "all"}, "no state file"},
        {{"a.json"}, "--mode is missing"},
        {{"a.json", "--mode", "some"}, "all or selected"},
        {{"a.json", "--mode"}, "--mode needs a value"},
        {{"a.json", "--mode", "all", "--start"}, "--start needs a value"},
        {{"a.json", "--mode", "all", "--fast"}, "unknown option --fast"},
        {{"a.json", "b.json", "--mode", "all"}, "more than one state file"},
        {{"a.json", "--mode", "all", "--duplicates"}, "only applies to --mode selected"},
        {{"a.json", "--recover", "maybe"}, "--recover must be undo or keep"},
        {{"a.json", "--bus", "--mode", "all"}, "a state file and --bus: choose one"},
    };
    for (const auto& c : cases) {
        try {
            parseArguments(c.arguments);
            ADD_FAILURE() << "accepted: " << c.says;
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
}

struct Program {
    int status = 0;
    std::string out;
    std::string err;
};

Program runProgram(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    Program program;
    program.status = runnerMain(arguments, out, err);
    program.out = out.str();
    program.err = err.str();
    return program;
}

TEST(RunnerProgram, BadArgumentsAndBadStateFilesExitWithTwo) {
    QTemporaryDir dir;
    const std::string broken = dir.filePath("broken.json").toStdString();
    {
        std::ofstream file(broken);
        file << "{\"documents\": [{\"name\": 3}]}";
    }
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } cases[] = {
        {{"--mode", "all"}, "no state file"},
        {{dir.filePath("missing.json").toStdString(), "--mode", "all"}, "missing.json"},
        {{broken, "--mode", "all"}, "broken.json"},
    };
    for (const auto& c : cases) {
        const Program program = runProgram(c.arguments);
        EXPECT_EQ(program.status, 2);
        EXPECT_TRUE(program.out.empty());
        EXPECT_NE(program.err.find(c.says), std::string::npos) << program.err;
    }
}

TEST(RunnerProgram, PrintsOneJsonObjectForAPass) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("amp.json").toStdString();
    host::sim::SimState state;
    state.documents.push_back({"amp.sch", {{"R7", false, {{0, 0}}}, {"U2A", false, {{0, 0}}}}});
    host::sim::saveStateFile(path, state);

    const Program program = runProgram({path, "--mode", "all", "--start", "3"});
    EXPECT_EQ(program.status, 0);
    EXPECT_TRUE(program.err.empty());
    const QJsonObject report =
        QJsonDocument::fromJson(QByteArray::fromStdString(program.out)).object();
    EXPECT_EQ(report["names"].toArray(), (QJsonArray{"R3", "U2A"}));
    EXPECT_EQ(report["unnamed"].toArray(), QJsonArray{"U2A"});
    EXPECT_TRUE(report["stopped"].isNull());
    EXPECT_TRUE(report["eco"].isString());
    EXPECT_EQ(report["layout"].toArray(), (QJsonArray{"R3", "U2A"}));
    EXPECT_GT(report["host_calls"].toDouble(), 0);
}

// The plan the runner prints is what the pass then does, and printing it renames nothing.
TEST(RunnerProgram, PlanOnlyPrintsThePassWithoutRenaming) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("amp.json").toStdString();
    host::sim::SimState state;
    state.documents.push_back(
        {"amp.sch", {{"R2", false, {{0, 0}}}, {"R1", false, {{0, 0}}}, {"U2A", false, {{0, 0}}}}});
    host::sim::saveStateFile(path, state);
    const auto json = [](const Program& program) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(program.out)).object();
    };

    const QJsonObject plan = json(runProgram({path, "--mode", "all", "--plan-only"}));
    const QJsonObject pass = json(runProgram({path, "--mode", "all"}));
    EXPECT_EQ(plan["names"].toArray(), (QJsonArray{"R2", "R1", "U2A"}));
    EXPECT_EQ(plan["plan"].toArray(), pass["renames"].toArray());
    EXPECT_EQ(plan["plan"].toArray().size(), 4); // both through temporary names
    EXPECT_EQ(plan["unnamed"].toArray(), QJsonArray{"U2A"});
    EXPECT_TRUE(plan["stopped"].isNull());
    EXPECT_EQ(json(runProgram({path, "--mode", "all", "--plan-only", "--start", "0"}))["stopped"],
              "Illegal Value");
}

} // namespace
} // namespace sequate::tools
