// Scenarios of whole runs, as data: each file under scenarios/ holds a state, the runner's
// arguments and the expected report, compared field by field (fields left out are not
// checked). "stopped_contains" lists texts the stop message must hold.

#include "host/sim/statefile.h"
#include "tools/pass/passrunner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace sequate::tools {
namespace {

TEST(Scenarios, EachRunGivesTheExpectedReportAndCountsItsHostCalls) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SEQUATE_SCENARIOS_DIR)) {
        if (entry.path().extension() == ".json")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 15u);
    for (const std::filesystem::path& file : files) {
        const std::string name = file.filename().string();
        std::ifstream in(file);
        const Json scenario = Json::parse(in, nullptr, false);
        ASSERT_FALSE(scenario.is_discarded()) << name << " is no JSON";
        SCOPED_TRACE(name + ": " + scenario.value("about", ""));
        std::vector<std::string> arguments{"scenario.json"};
        for (const Json& argument : scenario["args"])
            arguments.push_back(argument.get<std::string>());
        const RunnerOutcome outcome = runPass(host::sim::parseState(scenario["state"].dump(), name),
                                              parseArguments(arguments));
        EXPECT_GT(outcome.report["host_calls"].get<double>(), 0);
        for (const auto& [key, expected] : scenario["expect"].items()) {
            if (key == "exit") {
                EXPECT_EQ(outcome.exitStatus, expected.get<int>());
            } else if (key == "stopped_contains") {
                const Json& said = outcome.report["stopped"];
                const std::string stopped = said.is_string() ? said.get<std::string>() : "";
                for (const Json& part : expected)
                    EXPECT_NE(stopped.find(part.get<std::string>()), std::string::npos)
                        << "stop message: " << stopped;
            } else {
                ASSERT_TRUE(outcome.report.contains(key)) << key;
                EXPECT_EQ(outcome.report[key], expected) << key;
            }
        }
    }
}

} // namespace
} // namespace sequate::tools
