// The simulated PowerLogic: what its calls answer, the faults a test plans for them, passes and
// notifications.

#include "host/sim/simpowerlogic.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::host::sim {
namespace {

using namespace std::string_literals;

// amp.sch: R1*, R5, U1* (two gates), R5*, R5, C1 (no gates; * selected), each told apart by the
// x of its first gate; empty.sch; an unsaved one.
std::vector<DocumentData> documents() {
    return {{"amp.sch",
             {{"R1", true, {{1, 800}}},
              {"R5", false, {{2, 0}}},
              {"U1", true, {{3, 0}, {700, 400.5}}},
              {"R5", true, {{4, 0}}},
              {"R5", false, {{5, 0}}},
              {"C1", false, {}}}},
            {"empty.sch", {}},
            {"", {{"Q1", false, {{9, 0}}}, {"Q2", true, {}}}}};
}

std::string text(const std::shared_ptr<LogicComponent>& component) {
    if (!component)
        return "none";
    const auto gates = component->Placements();
    return gates->Count() == 0
               ? component->Name()
               : component->Name() + "@" + std::to_string(int(gates->Item(1)->FirstCoordinate(0)));
}

std::string text(const std::vector<std::string>& names) {
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

std::string text(const std::shared_ptr<LogicObjects>& list) {
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= list->Count(); ++i)
        names.push_back(list->Item(i)->Name());
    return text(names);
}

template <class Object>
std::string given(const std::shared_ptr<Object>& object) {
    return object ? "object" : "none";
}

// amp.sch, open, with the lists a pass starts from, and what the user and the host can do to it.
struct Host {
    SimPowerLogic sim{documents()};
    std::shared_ptr<LogicApplication> app = sim.application();
    std::shared_ptr<LogicDocument> doc = app->CurrentDocument();
    std::shared_ptr<LogicObjects> all = doc->ComponentSet()->Objects();
    std::shared_ptr<LogicObjects> selected = doc->SelectedObjects();

    Host& rename(int i, const std::string& name) { return all->Item(i)->SetName(name), *this; }
    Host& begin() { return app->BeginPass(), *this; }
    Host& end() { return app->EndPass(), *this; }
    Host& open(std::size_t document) { return sim.openDocument(document), *this; }
    Host& close() { return sim.closeDocument(), *this; }
    Host& select(std::vector<std::size_t> list) { return sim.selectOnly(list), *this; }
    std::string find(const std::string& name) { return text(all->Item(name)); }
    std::string names() const { return text(sim.openNames()); }
};

// What a call, after what the user and the host did before it, answers: a component as name@x,
// a list as its names, "none" for no object, a failure as "fails", its code and whether it took
// effect.
std::string answer(const std::function<std::string(Host&)>& call, Host& host) {
    try {
        return call(host);
    } catch (const HostFailure& failure) {
        const bool tookEffect =
            std::string(failure.what()).find("took effect") != std::string::npos;
        return "fails " + codeText(failure.code()) + (tookEffect ? " took effect" : "");
    }
}

std::string answer(const std::function<std::string(Host&)>& call) {
    Host host;
    return answer(call, host);
}

const char* const failed = "fails 0x80004005";
const char* const badIndex = "fails 0x8002000B";
const char* const noProject = "fails 0x80040202";

const std::pair<std::string (*)(Host&), const char*> answers[] = {
    {[](Host& h) { return text(h.all); }, "R1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return text(h.doc->ComponentSet()->Query(2, "", 0)); }, failed},
    {[](Host& h) { return text(h.selected); }, "R1 U1 R5"},
    {[](Host& h) { return std::to_string(h.doc->Selection()->Count()); }, "3"},
    {[](Host& h) { return text(h.all->Item(1)) + " " + text(h.all->Item(6)); }, "R1@1 C1"},
    {[](Host& h) { return text(h.all->Item(0)); }, badIndex},
    {[](Host& h) { return text(h.all->Item(7)); }, badIndex},
    {[](Host& h) { return text(h.selected->Item(3)); }, "R5@4"},
    {[](Host& h) { return given(h.all->Item(6)->Placements()->Item(1)); }, badIndex},
    // By name, as written; which carrier answers is the name index property's business.
    {[](Host& h) { return h.find("R3") + " " + h.find("r1") + " " + h.find(""); },
     "none none none"},
    // A list holds the components it was fetched with, under their live names.
    {[](Host& h) { return text(h.select({5}).rename(1, "R7").selected); }, "R7 U1 R5"},
    {[](Host& h) { return text(h.select({5}).doc->SelectedObjects()); }, "C1"},
    // The document object stands for whatever is open; what it gave stays with its document.
    {[](Host& h) { return text(h.open(1).doc->ComponentSet()->Query(1, "", 0)); }, ""},
    {[](Host& h) { return text(h.open(1).doc->ComponentSet()->Objects()->Item(1)); }, noProject},
    {[](Host& h) { return h.open(2).doc->Name(); }, ""},
    {[](Host& h) { return text(h.open(2).doc->SelectedObjects()); }, "Q2"},
    {[](Host& h) { return text(h.open(2).rename(1, "Q1").all); }, "Q1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return h.open(2).rename(1, "Q1").names(); }, "Q1 Q2"},
    {[](Host& h) { return given(h.close().app->CurrentDocument()); }, noProject},
    {[](Host& h) { return h.rename(1, "R1").rename(1, "c1").rename(1, "Q1").names(); },
     "Q1 R5 U1 R5 R5 C1"},
    // The user's actions wait for the end of the pass, then take effect in the order made.
    {[](Host& h) { return text(h.begin().select({5}).doc->SelectedObjects()); }, "R1 U1 R5"},
    {[](Host& h) { return text(h.begin().open(2).select({0}).end().doc->SelectedObjects()); },
     "Q1"},
    {[](Host& h) { return h.begin().open(2).close().open(0).end().doc->Name(); }, "amp.sch"},
    {[](Host& h) { return given(h.begin().open(2).close().end().app->CurrentDocument()); },
     noProject},
    {[](Host& h) { return std::to_string(h.begin().open(2).open(0).end().sim.processEvents()); },
     "2"},
    // One pass at a time.
    {[](Host& h) { return h.end().names(); }, failed},
    {[](Host& h) { return h.begin().begin().names(); }, failed},
};

TEST(SimPowerLogic, AnswersAsPowerLogicDoes) {
    for (std::size_t i = 0; i < std::size(answers); ++i)
        EXPECT_EQ(answer(answers[i].first), answers[i].second) << "case " << i;
    // SetName refuses a name that is empty, holds a blank or a control, or that another
    // component carries, even one that only shares it.
    for (const auto& name : {""s, "R 3"s, " R3"s, "R3\t"s, "R3\n"s, "R\x7f"s, "C1"s, "R5"s, "R\0"s})
        EXPECT_EQ(answer([&](Host& h) { return h.rename(2, name).names(); }), "fails 0x80040203")
            << name;
}

// A fault planned for a call is played once, at the k-th call from now.
struct Fault {
    const char* call; // as the simulator names it
    std::uint64_t k;
    std::string (*make)(Host&);
    const char* answer = "none"; // what the call gives, or the code it fails with
    CallFault fault = CallFault::AnswersNoObject;
    const char* after = "R1"; // R1's name then, and whether a pass is open
};

using enum CallFault;
const char* const timeout = "fails 0x800705B4";
const char* const lost = "fails 0x800705B4 took effect";

const Fault faults[] = {
    {"LogicApplication.CurrentDocument", 1,
     [](Host& h) { return given(h.app->CurrentDocument()); }},
    {"LogicDocument.ComponentSet", 1, [](Host& h) { return given(h.doc->ComponentSet()); }},
    {"LogicDocument.Selection", 1, [](Host& h) { return given(h.doc->Selection()); }},
    {"LogicDocument.SelectedObjects", 1, [](Host& h) { return given(h.doc->SelectedObjects()); }},
    {"LogicComponentSet.Objects", 2,
     [](Host& h) { return given(h.doc->ComponentSet()->Objects()); }},
    {"LogicObjects.Item", 1, [](Host& h) { return given(h.all->Item(1)); }},
    {"LogicPlacements.Item", 3,
     [](Host& h) { return given(h.all->Item(3)->Placements()->Item(2)); }},
    // A call that gives no object spends the fault and answers as usual.
    {"LogicDocument.Name", 1,
     [](Host& h) { return h.doc->Name() == "amp.sch" ? given(h.all->Item(1)) : ""; }, "object"},
    {"LogicDocument.Name", 1, [](Host& h) { return h.doc->Name(); }, timeout, Fails},
    {"LogicComponent.SetName", 2, [](Host& h) { return h.rename(1, "R9").names(); }, timeout,
     Fails},
    {"LogicApplication.BeginPass", 1, [](Host& h) { return h.begin().names(); }, timeout, Fails},
    {"LogicComponent.SetName", 2, [](Host& h) { return h.rename(1, "R9").names(); }, lost,
     FailsAfterEffect, "R9"},
    {"LogicApplication.BeginPass", 1, [](Host& h) { return h.begin().names(); }, lost,
     FailsAfterEffect, "R1 pass open"},
    {"LogicApplication.EndPass", 2, [](Host& h) { return h.begin().end().names(); }, lost,
     FailsAfterEffect},
    // A call that fails by itself keeps its own failure, and the fault is spent all the same.
    {"LogicComponent.SetName", 2, [](Host& h) { return h.rename(1, "C1").names(); },
     "fails 0x80040203", FailsAfterEffect},
};

TEST(SimPowerLogic, PlaysAPlannedFaultOnceAtItsCall) {
    for (const Fault& c : faults) {
        SCOPED_TRACE(c.call);
        Host host;
        std::vector<std::string> calls;
        host.sim.setCallObserver([&](const std::string& call) { calls.push_back(call); });
        host.sim.planFault(c.k, c.fault, HostCode::Timeout);
        EXPECT_EQ(answer(c.make, host), c.answer);
        ASSERT_GE(calls.size(), c.k);
        EXPECT_EQ(calls[c.k - 1], c.call);
        EXPECT_EQ(host.names().substr(0, 2) + (host.sim.passOpen() ? " pass open" : ""), c.after);
        EXPECT_EQ(given(host.all->Item(1)) + given(host.doc->ComponentSet()), "objectobject")
            << "the fault was not spent";
    }
}

} // namespace
} // namespace sequate::host::sim
