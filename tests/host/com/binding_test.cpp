// The COM binding against the COM simulator under Wine, point by point: attaching, reading,
// looking up, renaming, passes and the failures a host reports.

#include "comsimprocess.h"
#include "host/com/comlogic.h"
#include "host/sim/simpowerlogic.h"
#include "comdocuments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;
using host::HostCode;

namespace {

class ComBinding : public ::testing::Test {
protected:
    host::sim::SimState original = bindingState();
    std::string stateFile = writeStateFile(original, "binding.json");
};

TEST_F(ComBinding, ReadsTheOpenDocumentAsTheSimulatorHoldsIt) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Name(), "amp.sch");
    EXPECT_EQ(doc->Selection()->Count(), 2);
    const auto list = doc->ComponentSet()->Query(1, "", 0);
    ASSERT_EQ(list->Count(), 4);
    const auto u1 = list->Item(3);
    EXPECT_EQ(u1->Name(), "U1");
    EXPECT_EQ(u1->Value(), "U1");
    EXPECT_TRUE(u1->Selected());
    const auto placements = u1->Placements();
    ASSERT_EQ(placements->Count(), 2);
    EXPECT_EQ(placements->Item(2)->FirstCoordinate(0), 1100);
    EXPECT_EQ(placements->Item(2)->SecondCoordinate(0), -400);
    EXPECT_EQ(doc->SelectedObjects()->Count(), 2);
    EXPECT_EQ(doc->ComponentSet()->Objects()->Item(1)->Name(), "R1");
}

TEST_F(ComBinding, ItemByNameGivesTheComponentOrNoObjectAndABadIndexItsCode) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    EXPECT_EQ(list->Item("C1")->Name(), "C1");
    EXPECT_EQ(list->Item("C9"), nullptr);
    const auto failure = failureFrom([&] { list->Item(5); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::BadIndex);
    // Windows carries the simulator's own text back through IErrorInfo; Wine 8 does not carry
    // it between processes, and the binding then names the call and its code.
    host::sim::SimPowerLogic memory(original.documents);
    const auto memoryList = memory.application()->CurrentDocument()->ComponentSet()->Objects();
    const std::string hostText = messageOf([&] { memoryList->Item(5); });
    EXPECT_THAT(std::string(failure->what()),
                ::testing::AnyOf(hostText, "PowerLogic failed LogicObjects.Item with 0x8002000B"));
}

TEST_F(ComBinding, AListIsASnapshotWhileNamesAreLiveAndARefusedRenameKeepsItsCode) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    const auto list = app->CurrentDocument()->ComponentSet()->Objects();
    const auto r1 = list->Item(1);
    app->BeginPass();
    r1->SetName("R7");
    EXPECT_EQ(list->Item(1)->Name(), "R7");
    EXPECT_EQ(list->Item("R1"), nullptr);
    EXPECT_EQ(failureOf([&] { r1->SetName("C1"); }), HostCode::RenameRefused);
    EXPECT_EQ(failureOf([&] { r1->SetName(""); }), HostCode::RenameRefused);
    app->EndPass();
    const auto state = sim.stop();
    EXPECT_EQ(namesOf(state.documents[0]), (std::vector<std::string>{"R7", "C1", "U1", "R2"}));
}

TEST_F(ComBinding, AnApplicationLeftOutOfTheTableIsNotRunning) {
    ComSimProcess sim(stateFile, {"--no-powerlogic"});
    host::com::ComRunningObjects objects;
    const auto failure = failureFrom([&] { objects.attachPowerLogic(); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::NotRunning);
    EXPECT_NE(objects.attachPowerPcb()->CurrentDocument(), nullptr);
}

TEST_F(ComBinding, AClassThatIsNotRegisteredIsNotRunningEither) {
    ASSERT_EQ(ComSimProcess::runOnce({"--unregister"}), 0u);
    host::com::ComRunningObjects objects;
    const auto failure = failureFrom([&] { objects.attachPowerLogic(); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::NotRunning);
    EXPECT_NE(std::string(failure->what()).find("not registered"), std::string::npos)
        << failure->what();
}

TEST_F(ComBinding, PowerPcbReadsTheEcoFileItIsGiven) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto doc = objects.attachPowerPcb()->CurrentDocument();
    const std::string eco = temporaryFile("amp.eco");
    EXPECT_EQ(failureOf([&] { doc->ReadEcoFile(eco); }), HostCode::FileNotFound);
    {
        FILE* file = std::fopen(eco.c_str(), "wb");
        std::fputs("*PADS-ECO-V3.0-MILS*\r\n\r\n*RENPART*\r\n*REMARK*  AUTOSEQUATE\r\n"
                   "R1 R9\r\n*END*\r\n",
                   file);
        std::fclose(file);
    }
    doc->ReadEcoFile(eco);
    EXPECT_EQ(sim.stop().layout->parts, (std::vector<std::string>{"R9", "C1", "U1", "R2"}));
}

TEST(ComBindingWithoutDocuments, CurrentDocumentFailsWithNoProject) {
    ComSimProcess sim(writeStateFile({}, "empty.json"), {"--no-powerpcb"});
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    EXPECT_EQ(failureOf([&] { app->CurrentDocument(); }), HostCode::NoProject);
}

} // namespace
