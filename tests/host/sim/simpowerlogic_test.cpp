// The simulated PowerLogic: what its calls answer, the faults a test plans for them, passes and
// notifications.

#include "host/sim/simpowerlogic.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::host::sim {
namespace {

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

std::string text(const std::shared_ptr<LogicObjects>& list) {
    std::string names;
    for (std::int32_t i = 1; i <= list->Count(); ++i)
        names += (i > 1 ? " " : "") + list->Item(i)->Name();
    return names;
}

std::string text(const std::vector<std::string>& names) {
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

template <class Object>
std::string given(const std::shared_ptr<Object>& object) {
    return object ? "object" : "none";
}

// amp.sch, open, with the lists a pass starts from, and what the user and the host can do to it.
struct Host {
    SimPowerLogic& sim;
    std::shared_ptr<LogicApplication> app = sim.application();
    std::shared_ptr<LogicDocument> doc = app->CurrentDocument();
    std::shared_ptr<LogicObjects> all = doc->ComponentSet()->Objects();
    std::shared_ptr<LogicObjects> selected = doc->SelectedObjects();

    Host& rename(std::int32_t index, const std::string& name) {
        all->Item(index)->SetName(name);
        return *this;
    }
    Host& begin() {
        app->BeginPass();
        return *this;
    }
    Host& end() {
        app->EndPass();
        return *this;
    }
    Host& open(std::size_t document) {
        sim.openDocument(document);
        return *this;
    }
    Host& close() {
        sim.closeDocument();
        return *this;
    }
    Host& select(const std::vector<std::size_t>& components) {
        sim.selectOnly(components);
        return *this;
    }
    std::string find(const std::string& name) { return text(all->Item(name)); }
    std::string names() const { return text(sim.openNames()); }
};

// What a call, after what the user and the host did before it, answers: a component as name@x,
// a list as its names, "none" for no object, a failure as "fails" and its code.
struct Answer {
    std::string (*call)(Host&);
    const char* answer;
};

const char* const failed = "fails 0x80004005";
const char* const badIndex = "fails 0x8002000B";
const char* const noProject = "fails 0x80040202";
const char* const refused = "fails 0x80040203";

const Answer answers[] = {
    {[](Host& h) { return text(h.all); }, "R1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return text(h.doc->ComponentSet()->Query(1, "", 0)); }, "R1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return text(h.doc->ComponentSet()->Query(2, "", 0)); }, failed},
    {[](Host& h) { return text(h.selected); }, "R1 U1 R5"},
    {[](Host& h) { return std::to_string(h.doc->Selection()->Count()); }, "3"},
    {[](Host& h) { return text(h.all->Item(1)) + " " + text(h.all->Item(6)); }, "R1@1 C1"},
    {[](Host& h) { return text(h.all->Item(0)); }, badIndex},
    {[](Host& h) { return text(h.all->Item(7)); }, badIndex},
    {[](Host& h) { return text(h.selected->Item(3)); }, "R5@4"},
    {[](Host& h) { return text(h.selected->Item(4)); }, badIndex},
    {[](Host& h) { return given(h.all->Item(3)->Placements()->Item(3)); }, badIndex},
    {[](Host& h) { return given(h.all->Item(6)->Placements()->Item(1)); }, badIndex},
    // By name: the first carrier in list order, among the list's own members only.
    {[](Host& h) { return h.find("R5") + " " + text(h.selected->Item("R5")); }, "R5@2 R5@4"},
    {[](Host& h) { return text(h.selected->Item("U1")) + " " + text(h.selected->Item("C1")); },
     "U1@3 none"},
    {[](Host& h) { return h.find("R3") + " " + h.find("r1") + " " + h.find(""); },
     "none none none"},
    {[](Host& h) { return h.rename(2, "R6").find("R5"); }, "R5@4"},
    {[](Host& h) { return h.rename(2, "R6").rename(4, "R7").rename(5, "R8").find("R5"); }, "none"},
    {[](Host& h) {
         return h.rename(2, "R6").rename(4, "R7").rename(5, "R8").rename(4, "R5").find("R5");
     },
     "R5@4"},
    // A list holds the components it was fetched with, under their live names.
    {[](Host& h) { return text(h.select({5}).rename(1, "R7").selected); }, "R7 U1 R5"},
    {[](Host& h) { return text(h.select({5}).doc->SelectedObjects()); }, "C1"},
    // The document object stands for whatever is open; what it gave stays with its document.
    {[](Host& h) { return text(h.open(1).doc->ComponentSet()->Query(1, "", 0)); }, ""},
    {[](Host& h) { return std::to_string(h.open(1).doc->Selection()->Count()); }, "0"},
    {[](Host& h) { return text(h.open(1).doc->SelectedObjects()); }, ""},
    {[](Host& h) { return text(h.open(1).doc->ComponentSet()->Objects()->Item(1)); }, noProject},
    {[](Host& h) { return h.open(2).doc->Name(); }, ""},
    {[](Host& h) { return text(h.open(2).doc->SelectedObjects()); }, "Q2"},
    {[](Host& h) { return text(h.open(2).all); }, "R1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return text(h.open(2).rename(1, "Q1").all); }, "Q1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return h.open(2).rename(1, "Q1").names(); }, "Q1 Q2"},
    {[](Host& h) { return h.close().doc->Name(); }, noProject},
    {[](Host& h) { return given(h.close().app->CurrentDocument()); }, noProject},
    // SetName refuses a name that is empty, holds a blank or a control, or that another
    // component carries, even one that only shares it.
    {[](Host& h) { return h.rename(1, "").names(); }, refused},
    {[](Host& h) { return h.rename(1, "R 3").names(); }, refused},
    {[](Host& h) { return h.rename(1, " R3").names(); }, refused},
    {[](Host& h) { return h.rename(1, "R3\t").names(); }, refused},
    {[](Host& h) { return h.rename(1, "R3\n").names(); }, refused},
    {[](Host& h) { return h.rename(1, std::string("R\0", 2)).names(); }, refused},
    {[](Host& h) { return h.rename(1, "R\x7f").names(); }, refused},
    {[](Host& h) { return h.rename(1, "C1").names(); }, refused},
    {[](Host& h) { return h.rename(2, "R5").names(); }, refused},
    {[](Host& h) { return h.rename(1, "R1").rename(1, "c1").rename(1, "Q1").names(); },
     "Q1 R5 U1 R5 R5 C1"},
    {[](Host& h) { return h.rename(1, "R\xc3\xa9").rename(1, "U1A").names(); },
     "U1A R5 U1 R5 R5 C1"},
    // The user's actions wait for the end of the pass, then take effect in the order made.
    {[](Host& h) { return text(h.begin().select({5}).doc->SelectedObjects()); }, "R1 U1 R5"},
    {[](Host& h) { return h.begin().open(2).close().doc->Name(); }, "amp.sch"},
    {[](Host& h) { return text(h.begin().open(2).select({0}).end().doc->SelectedObjects()); },
     "Q1"},
    {[](Host& h) { return h.begin().open(2).close().open(0).end().doc->Name(); }, "amp.sch"},
    {[](Host& h) { return given(h.begin().open(2).close().end().app->CurrentDocument()); },
     noProject},
    {[](Host& h) { return std::to_string(h.begin().open(2).sim.processEvents()); }, "0"},
    {[](Host& h) { return std::to_string(h.begin().open(2).open(0).end().sim.processEvents()); },
     "2"},
    // One pass at a time.
    {[](Host& h) { return h.end().names(); }, failed},
    {[](Host& h) { return h.begin().begin().names(); }, failed},
};

TEST(SimPowerLogic, AnswersAsPowerLogicDoes) {
    for (const Answer& c : answers) {
        SimPowerLogic sim(documents());
        Host host{sim};
        std::string answer;
        try {
            answer = c.call(host);
        } catch (const HostFailure& failure) {
            answer = "fails " + codeText(failure.code());
        }
        EXPECT_EQ(answer, c.answer) << "case " << &c - answers;
    }
}

// A fault planned for a call is played once, at the k-th call from now.
struct Fault {
    const char* call; // as the simulator names it
    CallFault fault;
    std::uint64_t k;
    std::string (*make)(Host&);
    const char* answer; // what the call gives, or the code it fails with
    const char* after;  // R1's name then, and whether a pass is open
};

const Fault faults[] = {
    {"LogicApplication.CurrentDocument", CallFault::AnswersNoObject, 1,
     [](Host& h) { return given(h.app->CurrentDocument()); }, "none", "R1"},
    {"LogicDocument.ComponentSet", CallFault::AnswersNoObject, 1,
     [](Host& h) { return given(h.doc->ComponentSet()); }, "none", "R1"},
    {"LogicDocument.Selection", CallFault::AnswersNoObject, 1,
     [](Host& h) { return given(h.doc->Selection()); }, "none", "R1"},
    {"LogicDocument.SelectedObjects", CallFault::AnswersNoObject, 1,
     [](Host& h) { return given(h.doc->SelectedObjects()); }, "none", "R1"},
    {"LogicComponentSet.Objects", CallFault::AnswersNoObject, 2,
     [](Host& h) { return given(h.doc->ComponentSet()->Objects()); }, "none", "R1"},
    {"LogicComponentSet.Query", CallFault::AnswersNoObject, 2,
     [](Host& h) { return given(h.doc->ComponentSet()->Query(1, "", 0)); }, "none", "R1"},
    {"LogicObjects.Item", CallFault::AnswersNoObject, 1,
     [](Host& h) { return given(h.all->Item(1)); }, "none", "R1"},
    {"LogicObjects.Item", CallFault::AnswersNoObject, 1, [](Host& h) { return h.find("R1"); },
     "none", "R1"},
    {"LogicComponent.Placements", CallFault::AnswersNoObject, 2,
     [](Host& h) { return given(h.all->Item(1)->Placements()); }, "none", "R1"},
    {"LogicPlacements.Item", CallFault::AnswersNoObject, 3,
     [](Host& h) { return given(h.all->Item(3)->Placements()->Item(2)); }, "none", "R1"},
    // A call that gives no object spends the fault and answers as usual.
    {"LogicDocument.Name", CallFault::AnswersNoObject, 1,
     [](Host& h) { return h.doc->Name() == "amp.sch" ? given(h.all->Item(1)) : ""; }, "object",
     "R1"},
    {"LogicDocument.Name", CallFault::Fails, 1, [](Host& h) { return h.doc->Name(); }, "0x800705B4",
     "R1"},
    {"LogicComponent.SetName", CallFault::Fails, 2,
     [](Host& h) { return h.rename(1, "R9").names(); }, "0x800705B4", "R1"},
    {"LogicApplication.BeginPass", CallFault::Fails, 1, [](Host& h) { return h.begin().names(); },
     "0x800705B4", "R1"},
    {"LogicComponent.SetName", CallFault::FailsAfterEffect, 2,
     [](Host& h) { return h.rename(1, "R9").names(); }, "0x800705B4 took effect", "R9"},
    {"LogicApplication.BeginPass", CallFault::FailsAfterEffect, 1,
     [](Host& h) { return h.begin().names(); }, "0x800705B4 took effect", "R1 pass open"},
    {"LogicApplication.EndPass", CallFault::FailsAfterEffect, 2,
     [](Host& h) { return h.begin().end().names(); }, "0x800705B4 took effect", "R1"},
    // A call that fails by itself keeps its own failure, and the fault is spent all the same.
    {"LogicComponent.SetName", CallFault::FailsAfterEffect, 2,
     [](Host& h) { return h.rename(1, "C1").names(); }, "0x80040203", "R1"},
};

TEST(SimPowerLogic, PlaysAPlannedFaultOnceAtItsCall) {
    for (const Fault& c : faults) {
        SCOPED_TRACE(c.call);
        SimPowerLogic sim(documents());
        Host host{sim};
        const std::uint64_t before = sim.callCount();
        std::vector<std::string> calls;
        sim.setCallObserver([&](const std::string& call) { calls.push_back(call); });
        sim.planFault(c.k, c.fault, HostCode::Timeout);
        std::string answer;
        try {
            answer = c.make(host);
        } catch (const HostFailure& failure) {
            const std::string message = failure.what();
            EXPECT_EQ(message.rfind(c.call, 0), 0u) << message;
            answer = codeText(failure.code()) +
                     (message.find("took effect") != std::string::npos ? " took effect" : "");
        }
        EXPECT_EQ(answer, c.answer);
        ASSERT_GE(calls.size(), c.k);
        EXPECT_EQ(calls[c.k - 1], c.call);
        EXPECT_EQ(sim.callCount() - before, calls.size());
        EXPECT_EQ(host.names().substr(0, 2) + (sim.passOpen() ? " pass open" : ""), c.after);
        EXPECT_EQ(given(host.all->Item(1)) + given(host.doc->ComponentSet()), "objectobject")
            << "the fault was not spent";
    }
}

struct Recorder : LogicApplicationEvents {
    void OpenDocument(std::shared_ptr<LogicDocument> doc) override {
        names.push_back(doc->Name());
        if (app && other)
            app->unadvise(other);
    }
    std::vector<std::string> names;
    LogicApplication* app = nullptr;
    LogicApplicationEvents* other = nullptr;
};

// Notifications wait for processEvents, never arrive inside a call, and reach each sink once.
TEST(SimPowerLogic, DeliversOpenDocumentFromTheEventLoopOnly) {
    SimPowerLogic sim(documents());
    const auto app = sim.application();
    Recorder first;
    Recorder second;
    app->advise(&first);
    app->advise(&second);
    app->advise(&first);
    sim.openDocument(2);
    app->CurrentDocument()->Name();
    EXPECT_TRUE(first.names.empty());
    EXPECT_EQ(sim.processEvents(), 1u);
    EXPECT_EQ(first.names, std::vector<std::string>{""});
    EXPECT_EQ(second.names, std::vector<std::string>{""});
    first.app = app.get(); // a sink may unadvise another from its handler
    first.other = &second;
    sim.openDocument(0);
    sim.processEvents();
    EXPECT_EQ(first.names.size(), 2u);
    EXPECT_EQ(second.names.size(), 1u);
    EXPECT_EQ(sim.processEvents(), 0u);
}

} // namespace
} // namespace sequate::host::sim
