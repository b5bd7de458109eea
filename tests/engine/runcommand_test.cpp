// The Run button: the one rule of the start number, and what it says when PowerLogic is out of
// reach. A refused start number is told in the runner's scenarios; the firewall is ui/'s.

#include "session.h"

#include <functional>
#include <gtest/gtest.h>

namespace sequate::engine::testing {
namespace {

TEST(StartNumber, OnlyWholeNumbersFromOneTo32767) {
    const struct {
        const char* text;
        int accepted; // 0: refused
    } cases[] = {
        {"", 0},    {" ", 0},   {"0", 0},    {"1", 1},           {"-5", 0},        {"abc", 0},
        {"12a", 0}, {"1.5", 0}, {"2.5", 0},  {"2.0", 0},         {"32767", 32767}, {"32768", 0},
        {"+3", 0},  {" 7 ", 7}, {" 7\t", 7}, {"-", 0},           {"007", 7},       {"1 2", 0},
        {"000", 0}, {"9", 9},   {"10", 10},  {"99999999999", 0},
    };
    for (const auto& c : cases) {
        const auto start = StartNumber::read(c.text);
        EXPECT_EQ(start ? start->value() : 0, c.accepted) << '"' << c.text << '"';
    }
}

// After a completed pass, the document closed or PowerLogic gone: the message says so and what
// to do, and no pass is blamed for having been cut short.
TEST(CmdRun, ASchematicOutOfReachIsSaidInTheUsersTerms) {
    const struct {
        const char* what;
        std::function<void(host::sim::SimPowerLogic&)> arrange;
        const char* says;
    } cases[] = {
        {"document closed", [](auto& logic) { logic.closeDocument(); },
         "PowerLogic has no schematic open"},
        {"PowerLogic gone",
         [](auto& logic) {
             for (int k = 1; k < 20; ++k)
                 logic.failCall(k, host::HostCode::ServerUnavailable);
         },
         "start PowerLogic with the project open; Sequate finds it again"},
    };
    for (const auto& c : cases) {
        Session session(document({part("R7"), part("R1")}));
        EXPECT_TRUE(completed(session.runAll()));
        c.arrange(session.logic);
        session.window.messages.clear();
        EXPECT_FALSE(session.run(allComponentsRequest("1")));
        EXPECT_TRUE(session.window.messages.empty()) << c.what;
        ASSERT_EQ(session.window.recoveryMessages.size(), 1u) << c.what;
        const std::string& said =
            std::get<engine::recovery::Said>(session.window.recoveryMessages[0].news).text;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(said.find("cut short"), std::string::npos);
    }
}

} // namespace
} // namespace sequate::engine::testing
