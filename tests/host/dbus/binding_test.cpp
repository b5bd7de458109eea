// The binding against the simulator program, one behaviour of the simulated PowerLogic at a
// time, every call crossing the bus.

#include "host/dbus/dbusrunningobjects.h"
#include "hostsimprocess.h"
#include "testdocuments.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;
using host::HostCode;

namespace {

std::vector<std::string> namesOf(host::LogicObjects& list) {
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= list.Count(); ++i)
        names.push_back(list.Item(i)->Name());
    return names;
}

class BindingTest : public ::testing::Test {
protected:
    std::shared_ptr<host::LogicObjects> allComponents() {
        return app->CurrentDocument()->ComponentSet()->Objects();
    }

    PrivateBus bus;
    HostSimProcess sim{bus, writeStateFile(bindingState(), QStringLiteral("binding.json"))};
    host::dbus::DbusRunningObjects objects{bus.connect()};
    std::shared_ptr<host::LogicApplication> app = objects.attachPowerLogic();
};

TEST_F(BindingTest, ReadsTheOpenDocumentAsTheSimulatorHoldsIt) {
    const auto doc = app->CurrentDocument();
    EXPECT_EQ(doc->Name(), "amp.sch");
    const std::vector<std::string> all{"R1", "C1", "U1", "R2"};
    EXPECT_EQ(namesOf(*doc->ComponentSet()->Objects()), all);
    EXPECT_EQ(namesOf(*doc->ComponentSet()->Query(1, "", 0)), all);
    EXPECT_EQ(doc->Selection()->Count(), 2);
    EXPECT_EQ(namesOf(*doc->SelectedObjects()), (std::vector<std::string>{"R1", "U1"}));

    const auto u1 = doc->ComponentSet()->Objects()->Item(3);
    EXPECT_EQ(u1->Value(), "U1");
    EXPECT_TRUE(u1->Selected());
    const auto gates = u1->Placements();
    ASSERT_EQ(gates->Count(), 2);
    EXPECT_EQ(gates->Item(2)->FirstCoordinate(0), 1100);
    EXPECT_EQ(gates->Item(2)->SecondCoordinate(0), -400);
    EXPECT_EQ(doc->ComponentSet()->Objects()->Item(2)->Placements()->Item(1)->SecondCoordinate(0),
              1600.5);
    EXPECT_EQ(doc->ComponentSet()->Objects()->Item(4)->Placements()->Count(), 0);
}

TEST_F(BindingTest, AListIsASnapshotWhileNamesAreLive) {
    const auto doc = app->CurrentDocument();
    const auto selected = doc->SelectedObjects();
    const auto list = allComponents();
    list->Item("R2")->SetName("R7");
    sim.selectOnly({1});
    EXPECT_EQ(namesOf(*selected), (std::vector<std::string>{"R1", "U1"}));
    EXPECT_EQ(namesOf(*doc->SelectedObjects()), (std::vector<std::string>{"C1"}));
    EXPECT_EQ(namesOf(*list), (std::vector<std::string>{"R1", "C1", "U1", "R7"}));

    sim.openDocument(1);
    EXPECT_EQ(list->Count(), 4) << "a list keeps the components of the document it came from";
    EXPECT_EQ(doc->Name(), "blank.sch") << "the document object stands for the open document";
}

TEST_F(BindingTest, AComponentStaysTheSameComponentWhenRenamed) {
    const auto list = allComponents();
    const auto r1 = list->Item("R1");
    r1->SetName("R9");
    EXPECT_EQ(r1->Name(), "R9");
    EXPECT_EQ(list->Item("R1"), nullptr);
    ASSERT_NE(list->Item("R9"), nullptr);
    EXPECT_TRUE(list->Item("R9")->Selected());
    r1->SetName("R9");
    EXPECT_EQ(sim.state().documents[0].components[0].name, "R9");
}

TEST_F(BindingTest, AnIndexOutOfRangeFailsWithTheSimulatorsCode) {
    const auto list = allComponents();
    for (const std::int32_t index : {0, -1, 5, 32767})
        EXPECT_EQ(failureOf([&] { list->Item(index); }), HostCode::BadIndex) << index;
    EXPECT_EQ(failureOf([&] { list->Item(1)->Placements()->Item(2); }), HostCode::BadIndex);
    sim.openDocument(1);
    const auto empty = allComponents();
    EXPECT_EQ(empty->Count(), 0);
    for (const std::int32_t index : {1, 0})
        EXPECT_EQ(failureOf([&] { empty->Item(index); }), HostCode::NoProject) << index;
}

TEST_F(BindingTest, ItemByNameGivesTheFirstInListOrderOrNoObject) {
    sim.openDocument(2);
    const auto list = allComponents();
    ASSERT_NE(list->Item("Q1"), nullptr);
    EXPECT_FALSE(list->Item("Q1")->Selected()) << "the first Q1 is not the selected one";
    EXPECT_TRUE(app->CurrentDocument()->SelectedObjects()->Item("Q1")->Selected());
    for (const std::string name : {"", "Q2", "q1", "Q1 "})
        EXPECT_EQ(list->Item(name), nullptr) << '"' << name << '"';
}

TEST_F(BindingTest, SetNameRefusalsKeepTheirCodeAndChangeNothing) {
    const auto c1 = allComponents()->Item("C1");
    for (const std::string name : {"", " ", "C 2", "C2 ", "C\t2", "C\x01", "R1", "U1"}) {
        EXPECT_EQ(failureOf([&] { c1->SetName(name); }), HostCode::RenameRefused)
            << '"' << name << '"';
        EXPECT_EQ(c1->Name(), "C1");
    }
    EXPECT_NO_THROW(c1->SetName("C1"));
    EXPECT_NO_THROW(c1->SetName("Cé2")) << "names are UTF-8 on both sides";
    EXPECT_EQ(sim.state().documents[0].components[1].name, "Cé2");
}

TEST_F(BindingTest, ATestThatSelectsAComponentThatIsNotThereGetsAnErrorNotACrash) {
    EXPECT_THROW(sim.selectOnly({0, 99}), LaunchError);
    EXPECT_TRUE(sim.running());
    EXPECT_EQ(app->CurrentDocument()->Selection()->Count(), 2);
}

TEST_F(BindingTest, PassesOpenAndCloseOnce) {
    app->BeginPass();
    EXPECT_TRUE(sim.passOpen());
    EXPECT_EQ(failureOf([&] { app->BeginPass(); }), HostCode::Failed);
    app->EndPass();
    EXPECT_FALSE(sim.passOpen());
    EXPECT_EQ(failureOf([&] { app->EndPass(); }), HostCode::Failed);
}

TEST_F(BindingTest, UserEditsWaitWhileAPassIsOpen) {
    app->BeginPass();
    sim.selectOnly({3});
    EXPECT_EQ(app->CurrentDocument()->Selection()->Count(), 2);
    app->EndPass();
    EXPECT_EQ(namesOf(*app->CurrentDocument()->SelectedObjects()),
              (std::vector<std::string>{"R2"}));
}

TEST_F(BindingTest, FailureMessagesComeThroughUnchanged) {
    const auto c1 = allComponents()->Item("C1");
    const std::string message = messageOf([&] { c1->SetName("R1"); });
    EXPECT_NE(message.find("R1"), std::string::npos) << message;
}

TEST(BindingReleases, TheHostHoldsLittleMoreThanTheClientStillHolds) {
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(bindingState(), QStringLiteral("release.json")));
    {
        host::dbus::DbusRunningObjects objects(bus.connect());
        const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
        for (std::int32_t round = 0; round < 1000; ++round)
            EXPECT_FALSE(list->Item(1 + round % 4)->Name().empty());
        // The list, and at most one batch of released objects not yet sent.
        EXPECT_TRUE(waitUntil([&] { return sim.objectsHeld() <= 65; }, 5000)) << sim.objectsHeld();
        EXPECT_GE(sim.objectsHeld(), 1u);
    }
    EXPECT_TRUE(waitUntil([&] { return sim.objectsHeld() == 0; }, 5000)) << sim.objectsHeld();
}

TEST_F(BindingTest, PowerPcbFailsForAMissingFileAndForOneItRefuses) {
    const auto pcb = objects.attachPowerPcb();
    const auto layout = pcb->CurrentDocument();
    const std::string missing = "/nonexistent/amp.eco";
    EXPECT_EQ(failureOf([&] { layout->ReadEcoFile(missing); }), HostCode::FileNotFound);
    EXPECT_NE(messageOf([&] { layout->ReadEcoFile(missing); }).find(missing), std::string::npos);
    const std::string notEco =
        writeStateFile(bindingState(), QStringLiteral("not-an-eco.eco")).toStdString();
    EXPECT_EQ(failureOf([&] { layout->ReadEcoFile(notEco); }), HostCode::Failed);
    EXPECT_NE(messageOf([&] { layout->ReadEcoFile(notEco); }).find("not-an-eco.eco:1: "),
              std::string::npos);
}

// The simulator answers "no object" at the calls numbered; the others answer as usual.
TEST(BindingNoObject, EveryCallThatGivesAnObjectGivesNullptrForNoObject) {
    QStringList options;
    for (const int k : {1, 3, 4, 5, 7, 8, 10, 11, 13, 15, 18})
        options << QStringLiteral("--no-object-at-call") << QString::number(k);
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile(bindingState(), QStringLiteral("noobject.json")),
                       options);
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();

    EXPECT_EQ(app->CurrentDocument(), nullptr);
    const auto doc = app->CurrentDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Selection(), nullptr);
    EXPECT_EQ(doc->SelectedObjects(), nullptr);
    EXPECT_EQ(doc->ComponentSet(), nullptr);
    const auto set = doc->ComponentSet();
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->Objects(), nullptr);
    EXPECT_EQ(set->Query(1, "", 0), nullptr);
    const auto list = set->Objects();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Item(1), nullptr);
    EXPECT_EQ(list->Item("R1"), nullptr);
    const auto u1 = list->Item(3);
    ASSERT_NE(u1, nullptr);
    EXPECT_EQ(u1->Placements(), nullptr);
    const auto gates = u1->Placements();
    ASSERT_NE(gates, nullptr);
    EXPECT_EQ(gates->Item(1), nullptr);
    EXPECT_EQ(gates->Item(2)->FirstCoordinate(0), 1100);
    const auto pcb = objects.attachPowerPcb();
    EXPECT_EQ(pcb->CurrentDocument(), nullptr);
    EXPECT_NE(pcb->CurrentDocument(), nullptr);
    EXPECT_EQ(sim.callCount(), 19u);
}

TEST(BindingWithoutDocuments, CurrentDocumentFailsWithNoProject) {
    PrivateBus bus;
    HostSimProcess sim(bus, writeStateFile({}, QStringLiteral("nothing.json")));
    host::dbus::DbusRunningObjects objects(bus.connect());
    const auto app = objects.attachPowerLogic();
    EXPECT_EQ(failureOf([&] { app->CurrentDocument(); }), HostCode::NoProject);
    EXPECT_EQ(failureOf([&] { objects.attachPowerPcb()->CurrentDocument(); }), HostCode::NoProject);
}

} // namespace
