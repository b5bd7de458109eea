// The simulated PowerLogic over time: open documents, passes, notifications, call accounting.

#include "host/sim/simpowerlogic.h"
#include "simtestdata.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace sequate::host::sim {
namespace {

using test::failureOf;
using test::part;
using test::threeDocuments;

class Recorder : public LogicApplicationEvents {
public:
    void OpenDocument(std::shared_ptr<LogicDocument> doc) override { names.push_back(doc->Name()); }
    std::vector<std::string> names;
};

TEST(Documents, CurrentDocumentFailsWithNoProjectWhenNoneIsOpen) {
    SimPowerLogic nothingLoaded({});
    EXPECT_EQ(failureOf([&] { nothingLoaded.application()->CurrentDocument(); }),
              HostCode::NoProject);
    SimPowerLogic sim(threeDocuments());
    sim.closeDocument();
    EXPECT_EQ(sim.openIndex(), std::nullopt);
    EXPECT_EQ(failureOf([&] { sim.application()->CurrentDocument(); }), HostCode::NoProject);
}

TEST(Documents, TheDocumentObjectStandsForWhateverIsOpen) {
    SimPowerLogic sim(threeDocuments());
    const auto doc = sim.application()->CurrentDocument();
    const auto ampList = doc->ComponentSet()->Objects();
    EXPECT_EQ(doc->Name(), "amp.sch");
    sim.openDocument(2);
    EXPECT_EQ(doc->Name(), "");
    EXPECT_EQ(doc->Selection()->Count(), 1);
    EXPECT_EQ(doc->ComponentSet()->Objects()->Item(1)->Name(), "Q1");
    EXPECT_EQ(ampList->Count(), 5); // an earlier list stays with its own document
    EXPECT_EQ(ampList->Item(1)->Name(), "R1");
    sim.closeDocument();
    EXPECT_EQ(failureOf([&] { doc->Name(); }), HostCode::NoProject);
    EXPECT_EQ(failureOf([&] { doc->SelectedObjects(); }), HostCode::NoProject);
}

TEST(Documents, ObjectsOfAClosedDocumentKeepAnswering) {
    SimPowerLogic sim(threeDocuments());
    const auto r1 = sim.application()->CurrentDocument()->ComponentSet()->Objects()->Item(1);
    sim.openDocument(2);
    EXPECT_EQ(r1->Name(), "R1");
    EXPECT_EQ(failureOf([&] { r1->SetName("C1"); }), HostCode::RenameRefused);
    r1->SetName("Q1"); // only the component's own document counts
    EXPECT_EQ(sim.documents()[0].components[0].name, "Q1");
    EXPECT_EQ(sim.openNames(), (std::vector<std::string>{"Q1", "Q2"}));
}

TEST(Documents, AnEmptyDocumentGivesEmptyLists) {
    SimPowerLogic sim(threeDocuments());
    sim.openDocument(1);
    const auto doc = sim.application()->CurrentDocument();
    EXPECT_EQ(doc->ComponentSet()->Query(1, "", 0)->Count(), 0);
    EXPECT_EQ(doc->Selection()->Count(), 0);
    EXPECT_EQ(doc->SelectedObjects()->Count(), 0);
}

TEST(Passes, OnlyOneIsOpenAtATime) {
    SimPowerLogic sim(threeDocuments());
    const auto app = sim.application();
    EXPECT_EQ(failureOf([&] { app->EndPass(); }), HostCode::Failed);
    app->BeginPass();
    EXPECT_TRUE(sim.passOpen());
    EXPECT_EQ(failureOf([&] { app->BeginPass(); }), HostCode::Failed);
    app->EndPass();
    EXPECT_FALSE(sim.passOpen());
    EXPECT_EQ(failureOf([&] { app->EndPass(); }), HostCode::Failed);
}

TEST(Passes, UserActionsWaitForTheEndOfThePassAndRunInOrder) {
    SimPowerLogic sim(threeDocuments());
    const auto app = sim.application();
    const auto doc = app->CurrentDocument();
    app->BeginPass();
    sim.selectOnly({3});
    sim.openDocument(2);
    sim.setSelected(0, true); // Q1 of the document opened just before
    sim.closeDocument();
    sim.openDocument(0);
    sim.setSelected(4, false);
    EXPECT_EQ(doc->Selection()->Count(), 3);
    EXPECT_EQ(sim.openIndex(), 0u);
    EXPECT_EQ(sim.processEvents(), 0u);
    app->EndPass();
    EXPECT_EQ(sim.openIndex(), 0u);
    EXPECT_EQ(doc->Selection()->Count(), 1);
    EXPECT_TRUE(sim.documents()[0].components[3].selected);
    EXPECT_TRUE(sim.documents()[2].components[0].selected);
    EXPECT_EQ(sim.processEvents(), 2u);
}

TEST(Passes, UserActionsAreCheckedWhenMade) {
    SimPowerLogic sim(threeDocuments());
    EXPECT_THROW(sim.openDocument(3), std::out_of_range);
    EXPECT_THROW(sim.setSelected(5, true), std::out_of_range);
    sim.application()->BeginPass();
    sim.openDocument(1);
    EXPECT_THROW(sim.setSelected(0, true), std::out_of_range); // empty.sch will be open
    sim.closeDocument();
    EXPECT_THROW(sim.selectOnly({}), std::logic_error);
}

TEST(Events, OpenDocumentIsQueuedAndDeliveredByProcessEvents) {
    SimPowerLogic sim(threeDocuments());
    Recorder first;
    Recorder second;
    const auto app = sim.application();
    app->advise(&first);
    app->advise(&second);
    app->advise(&first);
    sim.openDocument(2);
    EXPECT_TRUE(first.names.empty());
    app->CurrentDocument()->Name(); // an automation call does not deliver it
    EXPECT_TRUE(first.names.empty());
    EXPECT_EQ(sim.processEvents(), 1u);
    EXPECT_EQ(first.names, (std::vector<std::string>{""}));
    EXPECT_EQ(second.names, (std::vector<std::string>{""}));
    app->unadvise(&second);
    sim.openDocument(0);
    sim.processEvents();
    EXPECT_EQ(first.names, (std::vector<std::string>{"", "amp.sch"}));
    EXPECT_EQ(second.names.size(), 1u);
    EXPECT_EQ(sim.processEvents(), 0u);
}

TEST(Events, ASinkMayUnadviseAnotherFromItsHandler) {
    SimPowerLogic sim(threeDocuments());
    const auto app = sim.application();
    Recorder later;
    struct Unadviser : LogicApplicationEvents {
        LogicApplication* app;
        LogicApplicationEvents* other;
        void OpenDocument(std::shared_ptr<LogicDocument>) override { app->unadvise(other); }
    } unadviser;
    unadviser.app = app.get();
    unadviser.other = &later;
    app->advise(&unadviser);
    app->advise(&later);
    sim.openDocument(1);
    sim.processEvents();
    EXPECT_TRUE(later.names.empty());
}

TEST(Calls, EveryAutomationMethodIsOneCallAndIsNamed) {
    SimPowerLogic sim(threeDocuments());
    std::vector<std::string> seen;
    sim.setCallObserver([&](const std::string& call) { seen.push_back(call); });
    const auto app = sim.application();
    Recorder sink;
    app->advise(&sink);
    app->BeginPass();
    const auto doc = app->CurrentDocument();
    doc->Name();
    doc->Selection()->Count();
    const auto list = doc->SelectedObjects();
    const auto all = doc->ComponentSet()->Query(1, "", 0);
    doc->ComponentSet()->Objects()->Count();
    const auto r1 = all->Item("R1");
    r1->Value();
    r1->Name();
    r1->SetName("R1");
    r1->Selected();
    const auto gates = r1->Placements();
    gates->Count();
    gates->Item(1)->FirstCoordinate(0);
    gates->Item(1)->SecondCoordinate(0);
    list->Item(1);
    app->EndPass();
    app->unadvise(&sink);
    const std::vector<std::string> expected{
        "LogicApplication.BeginPass", "LogicApplication.CurrentDocument",
        "LogicDocument.Name",         "LogicDocument.Selection",
        "LogicSelection.Count",       "LogicDocument.SelectedObjects",
        "LogicDocument.ComponentSet", "LogicComponentSet.Query",
        "LogicDocument.ComponentSet", "LogicComponentSet.Objects",
        "LogicObjects.Count",         "LogicObjects.Item",
        "LogicComponent.Value",       "LogicComponent.Name",
        "LogicComponent.SetName",     "LogicComponent.Selected",
        "LogicComponent.Placements",  "LogicPlacements.Count",
        "LogicPlacements.Item",       "LogicPlacement.FirstCoordinate",
        "LogicPlacements.Item",       "LogicPlacement.SecondCoordinate",
        "LogicObjects.Item",          "LogicApplication.EndPass"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(sim.callCount(), expected.size());
}

TEST(Calls, FailCallFailsTheKthCallFromNowOnceAndCountsIt) {
    SimPowerLogic sim(threeDocuments());
    const auto app = sim.application();
    app->CurrentDocument();
    sim.failCall(2, HostCode::ServerUnavailable);
    const auto doc = app->CurrentDocument();
    try {
        doc->Name();
        FAIL() << "the second call did not fail";
    } catch (const HostFailure& failure) {
        EXPECT_EQ(failure.code(), HostCode::ServerUnavailable);
        EXPECT_NE(std::string(failure.what()).find("LogicDocument.Name"), std::string::npos);
    }
    EXPECT_EQ(sim.callCount(), 3u);
    EXPECT_EQ(doc->Name(), "amp.sch");
    EXPECT_THROW(sim.failCall(0, HostCode::Failed), std::invalid_argument);
}

TEST(Calls, AFailedCallChangesNothing) {
    SimPowerLogic sim(threeDocuments());
    const auto app = sim.application();
    const auto r1 = app->CurrentDocument()->ComponentSet()->Objects()->Item(1);
    sim.failCall(1, HostCode::Timeout);
    EXPECT_EQ(failureOf([&] { r1->SetName("R9"); }), HostCode::Timeout);
    EXPECT_EQ(r1->Name(), "R1");
    sim.failCall(1, HostCode::Timeout);
    EXPECT_EQ(failureOf([&] { app->BeginPass(); }), HostCode::Timeout);
    EXPECT_FALSE(sim.passOpen());
}

} // namespace
} // namespace sequate::host::sim
