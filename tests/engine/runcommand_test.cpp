// The Run button: the one rule of the start number, what it says when PowerLogic is out of
// reach, and its firewall. A refused start number is told in the runner's scenarios.

#include "session.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

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

TEST(CmdRun, AfterAnIncompleteStartUpThePassStopsWithAMessage) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    logic.failCall(1, host::HostCode::Failed); // the current document
    HostSession state;
    engine::HeadlessWindow window;
    ASSERT_EQ(startUp(state, window, window, objects), StartupOutcome::Running);
    const auto result = pressRun(state, window.ports(), allComponentsRequest("1"));
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->completed);
    EXPECT_NE(result->stopMessage.find("start it again"), std::string::npos);
    EXPECT_EQ(logic.openNames(), std::vector<std::string>{"R1"});
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
        EXPECT_TRUE(session.runAll().completed);
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

// A window whose question fails, as a broken binding might.
class FailingWindow : public engine::HeadlessWindow {
public:
    bool keepRenamesWithoutEco(const std::string&) override {
        throw std::runtime_error("the box is gone");
    }
};

TEST(CmdRun, NothingEscapesTheButton) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    HostSession state;
    FailingWindow window;
    ASSERT_EQ(startUp(state, window, window, objects), StartupOutcome::Running);
    window.delivery = {host::EcoOutcome::Cancelled, {}};
    EXPECT_NO_THROW(
        pressRun(state, window.ports(), allComponentsRequest("1", EcoDestination::ChosenFile)));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].kind, MessageKind::Failure);
    EXPECT_NE(window.messages[0].text.find("the box is gone"), std::string::npos);
}

} // namespace
} // namespace sequate::engine::testing
