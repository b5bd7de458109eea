// The faults a test can plan for one call of the simulated PowerLogic beside failCall: a call
// that gives no object, and a call that takes effect and then fails.

#include "host/sim/simpowerlogic.h"
#include "simtestdata.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace sequate::host::sim {
namespace {

using test::failureOf;
using test::threeDocuments;

// One object of every kind in amp.sch, fetched before any fault is planned.
struct Objects {
    explicit Objects(SimPowerLogic& sim)
        : app(sim.application()), doc(app->CurrentDocument()), set(doc->ComponentSet()),
          list(set->Objects()), r1(list->Item(1)), placements(r1->Placements()) {}

    std::shared_ptr<LogicApplication> app;
    std::shared_ptr<LogicDocument> doc;
    std::shared_ptr<LogicComponentSet> set;
    std::shared_ptr<LogicObjects> list;
    std::shared_ptr<LogicComponent> r1;
    std::shared_ptr<LogicPlacements> placements;
};

struct ObjectCall {
    const char* name;
    bool (*givesNoObject)(const Objects&);
};

void PrintTo(const ObjectCall& c, std::ostream* out) {
    *out << c.name;
}

class NoObjectAtCall : public ::testing::TestWithParam<ObjectCall> {};

TEST_P(NoObjectAtCall, GivesNullptrOnceAndCountsTheCall) {
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    const std::uint64_t before = sim.callCount();
    sim.answerNoObjectAtCall(1);
    EXPECT_TRUE(GetParam().givesNoObject(objects));
    EXPECT_FALSE(GetParam().givesNoObject(objects)) << "the next call answers as usual";
    EXPECT_EQ(sim.callCount(), before + 2);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCallThatGivesAnObject, NoObjectAtCall,
    ::testing::Values(
        ObjectCall{"CurrentDocument", [](const Objects& o) { return !o.app->CurrentDocument(); }},
        ObjectCall{"ComponentSet", [](const Objects& o) { return !o.doc->ComponentSet(); }},
        ObjectCall{"Selection", [](const Objects& o) { return !o.doc->Selection(); }},
        ObjectCall{"SelectedObjects", [](const Objects& o) { return !o.doc->SelectedObjects(); }},
        ObjectCall{"Objects", [](const Objects& o) { return !o.set->Objects(); }},
        ObjectCall{"Query", [](const Objects& o) { return !o.set->Query(1, "", 0); }},
        ObjectCall{"ItemByIndex", [](const Objects& o) { return !o.list->Item(1); }},
        ObjectCall{"ItemByName", [](const Objects& o) { return !o.list->Item("R1"); }},
        ObjectCall{"Placements", [](const Objects& o) { return !o.r1->Placements(); }},
        ObjectCall{"PlacementItem", [](const Objects& o) { return !o.placements->Item(1); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NoObjectAtCall, HitsTheKthCallFromNowAndLeavesOthersAlone) {
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    sim.answerNoObjectAtCall(2);
    EXPECT_EQ(objects.list->Count(), 5);
    EXPECT_EQ(objects.list->Item(1), nullptr);
    EXPECT_EQ(objects.list->Item(1)->Name(), "R1");
}

TEST(NoObjectAtCall, IsSpentOnACallThatGivesNoObject) {
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    sim.answerNoObjectAtCall(1);
    EXPECT_EQ(objects.r1->Name(), "R1");
    EXPECT_NE(objects.list->Item(1), nullptr);
}

struct EffectCase {
    const char* name;
    void (*before)(const Objects&);
    void (*call)(const Objects&);
    bool (*tookEffect)(const SimPowerLogic&);
};

void PrintTo(const EffectCase& c, std::ostream* out) {
    *out << c.name;
}

class FailAfterEffect : public ::testing::TestWithParam<EffectCase> {};

TEST_P(FailAfterEffect, TheCallTakesEffectAndThenFailsWithTheCode) {
    const EffectCase& c = GetParam();
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    c.before(objects);
    sim.failCallAfterEffect(1, HostCode::ServerUnavailable);
    EXPECT_EQ(failureOf([&] { c.call(objects); }), HostCode::ServerUnavailable);
    EXPECT_TRUE(c.tookEffect(sim));
}

INSTANTIATE_TEST_SUITE_P(
    CallsThatChangeTheHost, FailAfterEffect,
    ::testing::Values(
        EffectCase{"SetName", [](const Objects&) {}, [](const Objects& o) { o.r1->SetName("R9"); },
                   [](const SimPowerLogic& sim) { return sim.openNames().front() == "R9"; }},
        EffectCase{"BeginPass", [](const Objects&) {}, [](const Objects& o) { o.app->BeginPass(); },
                   [](const SimPowerLogic& sim) { return sim.passOpen(); }},
        EffectCase{"EndPass", [](const Objects& o) { o.app->BeginPass(); },
                   [](const Objects& o) { o.app->EndPass(); },
                   [](const SimPowerLogic& sim) { return !sim.passOpen(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FailAfterEffect, SaysThatTheCallTookEffect) {
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    sim.failCallAfterEffect(1, HostCode::Timeout);
    try {
        objects.r1->SetName("R9");
        FAIL() << "SetName did not fail";
    } catch (const HostFailure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "LogicComponent.SetName took effect, then failed with 0x800705B4 (failure "
                  "injected by the test)");
    }
}

// A call that fails by itself has no effect to report: its own failure comes through.
TEST(FailAfterEffect, ARefusedRenameKeepsItsOwnCode) {
    SimPowerLogic sim(threeDocuments());
    const Objects objects(sim);
    sim.failCallAfterEffect(1, HostCode::ServerUnavailable);
    EXPECT_EQ(failureOf([&] { objects.r1->SetName("C1"); }), HostCode::RenameRefused);
    EXPECT_EQ(sim.openNames().front(), "R1");
    EXPECT_EQ(failureOf([&] { objects.r1->SetName("R9"); }), std::nullopt) << "fault spent";
}

TEST(CallFaults, AreCountedFromOne) {
    SimPowerLogic sim(threeDocuments());
    EXPECT_THROW(sim.answerNoObjectAtCall(0), std::invalid_argument);
    EXPECT_THROW(sim.failCallAfterEffect(0, HostCode::Failed), std::invalid_argument);
}

} // namespace
} // namespace sequate::host::sim
