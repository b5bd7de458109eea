// The COM binding against the COM simulator under Wine, point by point: attaching, reading,
// looking up, renaming, passes and the failures a host reports.

#include "comdocuments.h"
#include "comsimprocess.h"
#include "host/com/comrunningobjects.h"
#include "host/sim/simpowerlogic.h"

#include <fstream>
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
    // Windows carries the simulator's own text back through IErrorInfo; Wine 8 does not carry
    // it between processes, and the binding then names the call and its code.
    EXPECT_EQ(failureOf([&] { list->Item(5); }), HostCode::BadIndex);
}

// An Item declared to take a long takes no name, not even one that reads as a number.
TEST_F(ComBinding, AnItemDeclaredByNumberIsNotAskedForANameAsAnIndex) {
    ComSimProcess sim(stateFile, {"--types", "variant"});
    host::com::ComRunningObjects objects;
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    EXPECT_EQ(list->Item(2)->Name(), "C1");
    EXPECT_EQ(failureOf([&] { list->Item("2"); }), host::com::typeMismatchCode);
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

// Automation strings are UTF-16: a name of ISO 8859-1 beyond ASCII goes and comes back
// unchanged, as a name to set and as a name to look up.
TEST_F(ComBinding, ANameBeyondAsciiCrossesUnchanged) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    const std::string name = "\u00B5"
                             "5";
    list->Item("C1")->SetName(name);
    EXPECT_EQ(list->Item(name)->Name(), name);
    EXPECT_EQ(namesOf(sim.stop().documents[0]), (std::vector<std::string>{"R1", name, "U1", "R2"}));
}

// The class variable is read as a class identifier only: a class name there would lead through
// the registry again.
TEST_F(ComBinding, AClassVariableNamingNoRunningClassOrNoIdentifierIsNotRunning) {
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"{5E9A1D3F-7C41-4B8E-9E0A-53455155A7E1}", "names is not in the table of running objects"},
        {L"PowerLogic.Application", "SEQUATE_POWERLOGIC_CLASS is not a class identifier"}};
    for (const auto& [value, said] : cases) {
        ::SetEnvironmentVariableW(L"SEQUATE_POWERLOGIC_CLASS", value);
        host::com::ComRunningObjects objects;
        try {
            objects.attachPowerLogic();
            ADD_FAILURE() << "attached";
        } catch (const host::HostFailure& failure) {
            EXPECT_EQ(failure.code(), HostCode::NotRunning);
            EXPECT_NE(std::string(failure.what()).find(said), std::string::npos) << failure.what();
        }
    }
}

TEST_F(ComBinding, AnApplicationDeclaringSlotsItCannotCallIsRefusedAtAttaching) {
    ComSimProcess sim(stateFile, {"--types", "incompatible"});
    host::com::ComRunningObjects objects;
    try {
        objects.attachPowerLogic();
        ADD_FAILURE() << "attached";
    } catch (const host::HostFailure& failure) {
        const std::string text = failure.what();
        for (const char* slot :
             {"LogicComponent slot 8 is `put_Value(VARIANT)`, not a method taking a name",
              "LogicPlacement slot 18 is `FirstCoordinate(long, long) -> double`"})
            EXPECT_NE(text.find(slot), std::string::npos) << text;
    }
}

TEST_F(ComBinding, PowerPcbReadsTheEcoFileItIsGiven) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto doc = objects.attachPowerPcb()->CurrentDocument();
    const std::string eco = temporaryFile("amp.eco");
    EXPECT_EQ(failureOf([&] { doc->ReadEcoFile(eco); }), HostCode::FileNotFound);
    std::ofstream(eco, std::ios::binary)
        << "*PADS-ECO-V3.0-MILS*\r\n*RENPART*\r\nR1 R9\r\n*END*\r\n";
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
