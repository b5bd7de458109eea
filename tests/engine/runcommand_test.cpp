// The Run button: the check of the start number, which pass it starts, and its firewall.

#include "session.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace sequate::engine::testing {
namespace {

TEST(CheckTextBox, AcceptsOnlyNonZeroWholeNumbersThatFitSixteenBits) {
    const struct {
        const char* text;
        bool notAcceptable;
    } cases[] = {
        {"", true},         {"0", true},       {"1", false},          {"-5", false},
        {"abc", true},      {"12a", true},     {"1.5", false},        {"0.4", true},
        {"0.5", true},      {"-0.5", true},    {"32767", false},      {"32768", true},
        {"-32768", false},  {"-32769", true},  {"99999999999", true}, {" 7 ", false},
        {"32767.4", false}, {"32767.5", true}, {"+3", false},         {"-", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckTextBox(c.text), c.notAcceptable) << '"' << c.text << '"';
}

struct RunCase {
    tools::Controls controls;
    std::vector<std::string> messages; // the exclamation boxes expected
    bool passRuns;
};

TEST(CmdRun, StartsAPassOnlyForAChosenOptionAndAnAcceptableNumber) {
    using tools::Controls;
    const RunCase cases[] = {
        {Controls{}, {}, false},
        {Controls::allComponents(""), {"Illegal Value"}, false},
        {Controls::allComponents("x1"), {"Illegal Value"}, false},
        {Controls::selectedComponents("0", false), {"Illegal value in Start textbox"}, false},
        {Controls::selectedComponents("40000", true), {"Illegal value in Start textbox"}, false},
        {Controls::allComponents("-3"), {}, true},
        {Controls::selectedComponents("5", false), {}, true},
    };
    for (const RunCase& c : cases) {
        Session session(document({part("R1", true), part("R2")}));
        const auto callsBefore = session.logic.callCount();
        const auto result = session.run(c.controls);
        EXPECT_EQ(result.has_value(), c.passRuns) << c.controls.startText;
        EXPECT_EQ(session.logic.callCount() > callsBefore, c.passRuns);
        ASSERT_EQ(session.window.messages.size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(session.window.messages[i].style, MessageStyle::Exclamation);
            EXPECT_EQ(session.window.messages[i].title, "Error Message");
            EXPECT_EQ(session.window.messages[i].text, c.messages[i]);
        }
    }
}

TEST(CmdRun, NegativeStartNumbersNumberDownwards) {
    Session session(document({part("R7"), part("R8")}));
    const PassResult result = session.runAll("-3");
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(session.names(), (std::vector<std::string>{"R-3", "R-2"}));
}

TEST(CmdRun, AfterAnIncompleteStartUpThePassStopsWithAMessage) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    logic.failCall(1, host::HostCode::Failed); // the current document
    FormState state;
    tools::HeadlessWindow window;
    ASSERT_EQ(Form_Load(state, window, objects), StartupOutcome::Running);
    window.controls = tools::Controls::allComponents("1");
    const auto result = pressRun(state, window);
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->completed);
    EXPECT_NE(result->stopMessage.find("start it again"), std::string::npos);
    EXPECT_EQ(logic.openNames(), std::vector<std::string>{"R1"});
}

// A window whose controls fail, as a broken binding might.
class FailingWindow : public tools::HeadlessWindow {
public:
    std::string startText() const override { throw std::runtime_error("the box is gone"); }
};

TEST(CmdRun, NothingEscapesTheButton) {
    host::sim::SimPowerLogic logic({document({part("R1")})});
    host::sim::SimRunningObjects objects(&logic, nullptr);
    FormState state;
    FailingWindow window;
    ASSERT_EQ(Form_Load(state, window, objects), StartupOutcome::Running);
    window.controls.optStart = true;
    EXPECT_NO_THROW(cmdRun_Click(state, window));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].style, MessageStyle::Critical);
    EXPECT_NE(window.messages[0].text.find("the box is gone"), std::string::npos);
}

} // namespace
} // namespace sequate::engine::testing
