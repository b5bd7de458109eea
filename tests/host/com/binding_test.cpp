// The COM binding against the COM simulator under Wine, point by point: attaching, reading,
// looking up, renaming, passes and the failures a host reports.

#include "comdocuments.h"
#include "comsimprocess.h"
#include "host/com/comrunningobjects.h"
#include "host/sim/simpowerlogic.h"

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

// What crosses: a document, its lists and a component's places read as the simulator holds
// them, a name looked up or renamed, no object, and a failure with its code. What each call
// answers is the simulator's (tests/host/sim); whole passes are pass_test's.
TEST_F(ComBinding, CallsCarryTheirAnswersNoObjectAndFailureCodes) {
    ComSimProcess sim(stateFile);
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    const auto doc = app->CurrentDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Name(), "amp.sch");
    EXPECT_EQ(doc->Selection()->Count(), 2);
    EXPECT_EQ(doc->SelectedObjects()->Count(), 2);
    const auto list = doc->ComponentSet()->Query(1, "", 0);
    ASSERT_EQ(list->Count(), 4);
    const auto u1 = list->Item(3);
    EXPECT_TRUE(u1->Selected());
    const auto placements = u1->Placements();
    ASSERT_EQ(placements->Count(), 2);
    EXPECT_EQ(placements->Item(2)->FirstCoordinate(0), 1100);
    EXPECT_EQ(placements->Item(2)->SecondCoordinate(0), -400);
    const auto byName = doc->ComponentSet()->Objects();
    EXPECT_EQ(byName->Item("C9"), nullptr);
    // Windows carries the simulator's own text back through IErrorInfo; Wine 8 does not carry
    // it between processes, and the binding then names the call and its code.
    EXPECT_EQ(failureOf([&] { byName->Item(5); }), HostCode::BadIndex);
    app->BeginPass();
    byName->Item("R1")->SetName("R7");
    EXPECT_EQ(failureOf([&] { u1->SetName("C1"); }), HostCode::RenameRefused);
    app->EndPass();
    EXPECT_EQ(namesOf(sim.stop().documents[0]), (std::vector<std::string>{"R7", "C1", "U1", "R2"}));
}

// An Item declared to take a long takes no name, not even one that reads as a number.
TEST_F(ComBinding, AnItemDeclaredByNumberIsNotAskedForANameAsAnIndex) {
    ComSimProcess sim(stateFile, {"--types", "variant"});
    host::com::ComRunningObjects objects;
    const auto list = objects.attachPowerLogic()->CurrentDocument()->ComponentSet()->Objects();
    EXPECT_EQ(list->Item(2)->Name(), "C1");
    EXPECT_EQ(failureOf([&] { list->Item("2"); }), host::com::typeMismatchCode);
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

} // namespace
