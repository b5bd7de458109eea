// Lists, items and renames of the simulated PowerLogic.

#include "host/sim/simpowerlogic.h"
#include "simtestdata.h"

#include <gtest/gtest.h>
#include <optional>

namespace sequate::host::sim {
namespace {

using test::failureOf;
using test::part;
using test::threeDocuments;

std::vector<std::string> namesOf(LogicObjects& list) {
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= list.Count(); ++i)
        names.push_back(list.Item(i)->Name());
    return names;
}

class Lists : public ::testing::Test {
protected:
    SimPowerLogic mSim{threeDocuments()};
    std::shared_ptr<LogicDocument> mDoc = mSim.application()->CurrentDocument();
};

TEST_F(Lists, AllComponentsInDocumentOrderFromObjectsAndQuery) {
    const std::vector<std::string> all{"R1", "C1", "U1", "R2", "C2"};
    EXPECT_EQ(namesOf(*mDoc->ComponentSet()->Objects()), all);
    EXPECT_EQ(namesOf(*mDoc->ComponentSet()->Query(1, "", 0)), all);
}

TEST_F(Lists, SelectionCountsAndListsTheSelectedInDocumentOrder) {
    EXPECT_EQ(mDoc->Selection()->Count(), 3);
    EXPECT_EQ(namesOf(*mDoc->SelectedObjects()), (std::vector<std::string>{"R1", "U1", "C2"}));
}

TEST_F(Lists, QueryOtherThanAllComponentsFails) {
    EXPECT_EQ(failureOf([&] { mDoc->ComponentSet()->Query(2, "", 0); }), HostCode::Failed);
    EXPECT_EQ(failureOf([&] { mDoc->ComponentSet()->Query(1, "R*", 0); }), HostCode::Failed);
}

TEST_F(Lists, AListKeepsItsMembersButShowsLiveNames) {
    const auto selected = mDoc->SelectedObjects();
    mSim.selectOnly({1});
    mDoc->ComponentSet()->Objects()->Item(1)->SetName("R7");
    EXPECT_EQ(namesOf(*selected), (std::vector<std::string>{"R7", "U1", "C2"}));
    EXPECT_EQ(namesOf(*mDoc->SelectedObjects()), (std::vector<std::string>{"C1"}));
}

struct IndexCase {
    const char* list;
    std::int32_t index;
    std::optional<HostCode> failure; // nullopt: gives the component named `name`
    const char* name;
};

class ItemByIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ItemByIndex, GivesTheItemOrFailsWithTheListsCode) {
    const IndexCase& c = GetParam();
    SimPowerLogic sim(threeDocuments());
    if (std::string(c.list) == "empty")
        sim.openDocument(1);
    const auto doc = sim.application()->CurrentDocument();
    const auto list =
        std::string(c.list) == "selected" ? doc->SelectedObjects() : doc->ComponentSet()->Objects();
    std::shared_ptr<LogicComponent> item;
    EXPECT_EQ(failureOf([&] { item = list->Item(c.index); }), c.failure);
    if (!c.failure) {
        EXPECT_EQ(item->Name(), c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ItemByIndex,
                         ::testing::Values(IndexCase{"all", 1, std::nullopt, "R1"},
                                           IndexCase{"all", 5, std::nullopt, "C2"},
                                           IndexCase{"all", 0, HostCode::BadIndex, ""},
                                           IndexCase{"all", 6, HostCode::BadIndex, ""},
                                           IndexCase{"all", -1, HostCode::BadIndex, ""},
                                           IndexCase{"selected", 3, std::nullopt, "C2"},
                                           IndexCase{"selected", 4, HostCode::BadIndex, ""},
                                           IndexCase{"empty", 1, HostCode::NoProject, ""},
                                           IndexCase{"empty", 0, HostCode::NoProject, ""}));

// Which component an object stands for, told by the x of its first gate.
double whereIs(const std::shared_ptr<LogicComponent>& component) {
    return component->Placements()->Item(1)->FirstCoordinate(0);
}

std::vector<DocumentData> duplicates() {
    return {{"dup.sch",
             {part("R1", false, {{1, 0}}), part("R5", false, {{2, 0}}), part("C1", true, {{3, 0}}),
              part("R5", true, {{4, 0}}), part("R5", false, {{5, 0}})}}};
}

TEST(ItemByName, GivesTheFirstCarrierInListOrder) {
    SimPowerLogic sim(duplicates());
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    EXPECT_EQ(whereIs(all->Item("R5")), 2);
    all->Item(2)->SetName("R6");
    EXPECT_EQ(whereIs(all->Item("R5")), 4);
    all->Item(4)->SetName("R7");
    EXPECT_EQ(whereIs(all->Item("R5")), 5);
    all->Item(5)->SetName("R8");
    EXPECT_EQ(all->Item("R5"), nullptr);
    all->Item(2)->SetName("R5"); // free again
    EXPECT_EQ(whereIs(all->Item("R5")), 2);
}

TEST(ItemByName, SkipsCarriersThatTheListDoesNotHold) {
    SimPowerLogic sim(duplicates());
    const auto selected = sim.application()->CurrentDocument()->SelectedObjects();
    EXPECT_EQ(whereIs(selected->Item("R5")), 4);
    EXPECT_EQ(whereIs(selected->Item("C1")), 3);
    EXPECT_EQ(selected->Item("R1"), nullptr);
}

TEST(SetName, KeepingTheOwnNameIsRefusedWhileAnotherCarriesIt) {
    SimPowerLogic sim(duplicates());
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    EXPECT_EQ(failureOf([&] { all->Item(2)->SetName("R5"); }), HostCode::RenameRefused);
    EXPECT_EQ(failureOf([&] { all->Item(1)->SetName("R1"); }), std::nullopt);
}

TEST_F(Lists, ItemByNameGivesNoObjectForAnUnknownOrEmptyName) {
    const auto all = mDoc->ComponentSet()->Objects();
    EXPECT_EQ(all->Item(std::string("R3")), nullptr);
    EXPECT_EQ(all->Item(std::string("r1")), nullptr);
    EXPECT_EQ(all->Item(std::string("")), nullptr);
    EXPECT_EQ(mDoc->SelectedObjects()->Item(std::string("C1")), nullptr);
}

TEST_F(Lists, ItemByNameFollowsRenames) {
    const auto all = mDoc->ComponentSet()->Objects();
    all->Item("R1")->SetName("R9");
    EXPECT_EQ(all->Item("R1"), nullptr);
    EXPECT_EQ(all->Item("R9")->Placements()->Item(1)->FirstCoordinate(0), 1200);
    all->Item("C1")->SetName("R1"); // a freed name can be taken
    EXPECT_EQ(all->Item("R1")->Placements()->Item(1)->FirstCoordinate(0), 300);
}

struct RenameCase {
    const char* from;
    std::string to;
    bool refused;
};

class SetName : public ::testing::TestWithParam<RenameCase> {};

TEST_P(SetName, RefusesBadOrTakenNamesAndChangesNothing) {
    const RenameCase& c = GetParam();
    SimPowerLogic sim(threeDocuments());
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    const auto before = sim.openNames();
    const auto code = failureOf([&] { all->Item(c.from)->SetName(c.to); });
    if (c.refused) {
        EXPECT_EQ(code, HostCode::RenameRefused);
        EXPECT_EQ(sim.openNames(), before);
    } else {
        EXPECT_EQ(code, std::nullopt);
        EXPECT_EQ(all->Item(c.to)->Value(), c.to);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetName,
    ::testing::Values(RenameCase{"R1", "", true}, RenameCase{"R1", "R 3", true},
                      RenameCase{"R1", " R3", true}, RenameCase{"R1", "R3\t", true},
                      RenameCase{"R1", "R3\n", true}, RenameCase{"R1", std::string("R\0", 2), true},
                      RenameCase{"R1", "R\x7f", true}, RenameCase{"R1", "C1", true},
                      RenameCase{"R1", "R2", true}, RenameCase{"R1", "R1", false},
                      RenameCase{"R1", "r2", false},
                      RenameCase{"R1", "Q1", false}, // another document's
                      RenameCase{"R1", "R\xc3\xa9", false}, RenameCase{"U1", "U1A", false}));

TEST(SetName, RefusalNamesTheComponentAndTheReason) {
    SimPowerLogic sim(threeDocuments());
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    try {
        all->Item("R1")->SetName("C1");
        FAIL() << "no refusal";
    } catch (const HostFailure& failure) {
        EXPECT_STREQ(failure.what(), "LogicComponent.SetName refused for \"R1\": \"C1\" is the "
                                     "name of another component");
    }
}

TEST(Placements, GiveCoordinatesAndRefuseBadIndices) {
    SimPowerLogic sim(threeDocuments());
    const auto all = sim.application()->CurrentDocument()->ComponentSet()->Objects();
    const auto gates = all->Item("U1")->Placements();
    ASSERT_EQ(gates->Count(), 2);
    EXPECT_EQ(gates->Item(2)->FirstCoordinate(0), 700);
    EXPECT_EQ(gates->Item(2)->SecondCoordinate(0), 400.5);
    EXPECT_EQ(failureOf([&] { gates->Item(0); }), HostCode::BadIndex);
    EXPECT_EQ(failureOf([&] { gates->Item(3); }), HostCode::BadIndex);
    const auto none = all->Item("R2")->Placements();
    EXPECT_EQ(none->Count(), 0);
    EXPECT_EQ(failureOf([&] { none->Item(1); }), HostCode::BadIndex);
}

} // namespace
} // namespace sequate::host::sim
