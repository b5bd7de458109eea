#include "engine/formstate.h"
#include "host/sim/simpowerlogic.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

using host::HostCode;
using host::HostFailure;
using host::sim::ComponentData;
using host::sim::DocumentData;
using host::sim::SimPowerLogic;

DocumentData documentOf(std::vector<std::pair<std::string, bool>> parts) {
    DocumentData document{"amp.sch", {}};
    for (auto& [name, selected] : parts)
        document.components.push_back(ComponentData{name, selected, {}});
    return document;
}

class FormStateTest : public ::testing::Test {
protected:
    void open(DocumentData document) {
        mSim = std::make_unique<SimPowerLogic>(std::vector<DocumentData>{std::move(document)});
        mState.workList = mSim->application()->CurrentDocument()->ComponentSet()->Objects();
    }

    std::unique_ptr<SimPowerLogic> mSim;
    FormState mState;
};

TEST_F(FormStateTest, TallennakaikkiReadsEveryNameInListOrder) {
    open(documentOf({{"R2", false}, {"C1", true}, {"U1A", false}}));
    mState.tallennakaikki();
    EXPECT_EQ(mState.allNames, (std::vector<std::string>{"R2", "C1", "U1A"}));
}

TEST_F(FormStateTest, TallennakaikkiOfAnEmptyListReadsNothing) {
    open(documentOf({}));
    mState.tallennakaikki();
    EXPECT_TRUE(mState.allNames.empty());
}

TEST_F(FormStateTest, TalletaSelectedReadsOnlySelectedNamesInListOrder) {
    open(documentOf({{"R2", true}, {"C1", false}, {"U1", true}, {"R1", true}}));
    mState.TalletaSelected();
    EXPECT_EQ(mState.selectedNames, (std::vector<std::string>{"R2", "U1", "R1"}));
}

TEST_F(FormStateTest, TalletaSelectedWithNothingSelectedLeavesTheTableEmpty) {
    open(documentOf({{"R1", false}, {"R2", false}}));
    mState.selectedNames = {"stale"};
    mState.TalletaSelected();
    EXPECT_TRUE(mState.selectedNames.empty());
}

TEST_F(FormStateTest, TalletaSelectedOnAnEmptyListAsksTheHostForItemOne) {
    open(documentOf({}));
    try {
        mState.TalletaSelected();
        FAIL() << "an empty list has no item 1";
    } catch (const HostFailure& failure) {
        EXPECT_EQ(failure.code(), HostCode::NoProject);
    }
}

TEST_F(FormStateTest, RenamesAreRecordedInPairsInOrder) {
    mState.TallennaMuuttamaton("a");
    mState.TallennaMuutettu("a'");
    mState.TallennaMuuttamaton("b");
    mState.TallennaMuutettu("b'");
    EXPECT_EQ(mState.oldNames, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(mState.newNames, (std::vector<std::string>{"a'", "b'"}));
}

TEST_F(FormStateTest, TyhjennaEmptiesEverythingButTheSortedRowsAndTheFlag) {
    mState.allNames = {"R1"};
    mState.selectedNames = {"R1"};
    mState.oldNames = {"R1"};
    mState.newNames = {"R2"};
    mState.ecoNames = {"R2"};
    mState.unnamedNames = {"U1A"};
    mState.sortedNames = {{"R1", "100", "200"}};
    mState.listPosition = 7;
    mState.codeOffset = 3;
    mState.selectedDone = 2;
    mState.numberMissing = true;

    mState.tyhjenna();

    EXPECT_TRUE(mState.allNames.empty());
    EXPECT_TRUE(mState.selectedNames.empty());
    EXPECT_TRUE(mState.oldNames.empty());
    EXPECT_TRUE(mState.newNames.empty());
    EXPECT_TRUE(mState.ecoNames.empty());
    EXPECT_TRUE(mState.unnamedNames.empty());
    EXPECT_EQ(mState.listPosition, 1);
    EXPECT_EQ(mState.codeOffset, 0);
    EXPECT_EQ(mState.selectedDone, 0);
    EXPECT_EQ(mState.sortedNames.size(), 1u);
    EXPECT_TRUE(mState.numberMissing);
}

} // namespace
} // namespace sequate::engine
