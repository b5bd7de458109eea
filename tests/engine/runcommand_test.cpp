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

// After a completed pass, the document closed or PowerLogic gone: the message says which, and no
// pass is blamed for having been cut short.
TEST(CmdRun, ASchematicOutOfReachIsSaidInTheUsersTerms) {
    const struct {
        const char* what;
        std::function<void(host::sim::SimPowerLogic&)> arrange;
        host::HostCode code;
    } cases[] = {
        {"document closed", [](auto& logic) { logic.closeDocument(); }, host::HostCode::NoProject},
        {"PowerLogic gone",
         [](auto& logic) {
             for (int k = 1; k < 20; ++k)
                 logic.failCall(k, host::HostCode::ServerUnavailable);
         },
         host::HostCode::ServerUnavailable},
    };
    for (const auto& c : cases) {
        Session session(document({part("R7"), part("R1")}));
        EXPECT_TRUE(completed(session.runAll()));
        c.arrange(session.logic);
        session.window.messages.clear();
        EXPECT_FALSE(session.run(allComponentsRequest("1")));
        EXPECT_TRUE(session.window.messages.empty()) << c.what;
        ASSERT_EQ(session.window.recoveryMessages.size(), 1u) << c.what;
        const auto* said = std::get_if<engine::recovery::SchematicOutOfReach>(
            &session.window.recoveryMessages[0].news);
        ASSERT_TRUE(said) << c.what;
        EXPECT_EQ(said->code, c.code) << c.what;
    }
}

} // namespace
} // namespace sequate::engine::testing
