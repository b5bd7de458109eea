// The test-only faults both simulator programs play: the options that plan them, and a call
// failed before it runs or after its effect.

#include "host/sim/callfaults.h"

#include <gtest/gtest.h>

namespace sequate::host::sim {
namespace {

TEST(CallFaults, OptionsSetTheirFaultOrSayWhatTheyExpected) {
    FaultPlan plan;
    setFault(plan, "fail-at-call", "2");
    setFault(plan, "fail-after-effect-at-call", "4");
    setFault(plan, "fail-code", "0x80040202");
    setFault(plan, "hang-ms", "0");
    setFault(plan, "no-object-at-call", "5");
    setFault(plan, "no-object-at-call", "3");
    EXPECT_TRUE(plan.failAtCall == 2u && plan.failAfterEffectAtCall == 4u && plan.hangMs == 0);
    EXPECT_EQ(plan.noObjectAtCalls, (std::set<std::uint64_t>{3, 5}));
    EXPECT_EQ(plan.failCode, HostCode::NoProject);
    const struct {
        const char* option;
        const char* value;
        const char* says;
    } refused[] = {
        {"fail-at-call", "0", "--fail-at-call: expected a call number from 1, not \"0\""},
        {"exit-at-call", "3x", "--exit-at-call: expected a call number from 1, not \"3x\""},
        {"fail-code", "0x", "--fail-code: expected a code in hex up to 0xFFFFFFFF, not \"0x\""},
        {"fail-code", "0x1FFFFFFFF",
         "--fail-code: expected a code in hex up to 0xFFFFFFFF, not \"0x1FFFFFFFF\""},
        {"hang-ms", "8589934592",
         "--hang-ms: expected milliseconds up to 4294967295, not \"8589934592\""},
    };
    for (const auto& c : refused) {
        try {
            setFault(plan, c.option, c.value);
            ADD_FAILURE() << c.option << " took " << c.value;
        } catch (const std::invalid_argument& problem) {
            EXPECT_STREQ(problem.what(), c.says);
        }
    }
    EXPECT_FALSE(isFaultOption("mode"));
}

// Call 2 fails before it runs, call 3 after it ran, calls 1 and 4 answer "no object"; a call
// is named by its number where it has no name.
TEST(CallFaults, ACallFailsBeforeItRunsOrAfterItsEffectOrAnswersNoObject) {
    FaultPlan plan;
    plan.failAtCall = 2;
    plan.failAfterEffectAtCall = 3;
    plan.noObjectAtCalls = {1, 4};
    CallFaults faults("test", plan);
    std::string said;
    for (const char* call : {"LogicDocument.Name", "", "", "LogicDocument.Name"}) {
        try {
            faults.beforeCall(call);
            said += faults.answersNoObject() ? "no object;" : "ran;";
            faults.afterEffect();
        } catch (const HostFailure& failure) {
            said += std::string(failure.what()) + ";";
        }
    }
    EXPECT_EQ(said, "no object;automation call 2 failed with 0x80004005 (failure injected by the "
                    "test);ran;automation call 3 took effect, then failed with 0x80004005 "
                    "(failure injected by the test);no object;");
}

} // namespace
} // namespace sequate::host::sim
