// The shell of the simulated PowerPCB and the simulated table of running objects. What an ECO
// file does to the layout is the ECO reader's business and is tested with it.

#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace sequate::host::sim {
namespace {

std::optional<HostFailure> failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const HostFailure& failure) {
        return failure;
    }
    return std::nullopt;
}

class PowerPcb : public ::testing::Test {
protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("sequate-simpcb-" + std::to_string(::getpid()));
        std::filesystem::create_directories(mFolder);
        std::ofstream(mFolder / "amp.eco", std::ios::binary) << "*PADS-ECO-V3.0-MILS*\r\n*END*\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    std::filesystem::path mFolder;
    SimPowerPcb mPcb{LayoutData{"amp.pcb", {"R1", "C1"}}};
};

TEST_F(PowerPcb, CurrentDocumentNeedsAnOpenLayout) {
    const auto app = mPcb.application();
    EXPECT_NE(app->CurrentDocument(), nullptr);
    mPcb.setLayout(std::nullopt);
    const auto failure = failureOf([&] { app->CurrentDocument(); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::NoProject);
    EXPECT_EQ(mPcb.layout(), std::nullopt);
}

TEST_F(PowerPcb, ReadEcoFileReadsAnExistingFile) {
    const auto doc = mPcb.application()->CurrentDocument();
    doc->ReadEcoFile((mFolder / "amp.eco").string());
    EXPECT_TRUE(mPcb.log().empty());
    EXPECT_EQ(mPcb.layout()->name, "amp.pcb");
}

TEST_F(PowerPcb, ARefusedFileFailsTheCallWithItsFirstProblemAndChangesNothing) {
    std::ofstream(mFolder / "amp.eco", std::ios::binary)
        << "*PADS-ECO*\r\n*RENPART*\r\nR1 R2\r\n*END*\r\n"
           "*PADS-ECO*\r\n*RENPART*\r\nC1 C2\r\nR2 R3 R4\r\nR2 R1.A\r\n*END*\r\n";
    const auto doc = mPcb.application()->CurrentDocument();
    const auto failure = failureOf([&] { doc->ReadEcoFile((mFolder / "amp.eco").string()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::Failed);
    EXPECT_STREQ(failure->what(), "PcbDocument.ReadEcoFile: amp.eco:8: expected \"OLD NEW\", "
                                  "found \"R2 R3 R4\"; nothing in the file was applied");
    EXPECT_EQ(mPcb.layout()->parts, (std::vector<std::string>{"R1", "C1"}));
    EXPECT_EQ(mPcb.log().size(), 3u);
    EXPECT_EQ(mPcb.log().back(), "amp.eco: nothing in the file was applied");
}

TEST_F(PowerPcb, ReadEcoFileFailsForAFileItCannotReadAndNamesThePath) {
    const auto doc = mPcb.application()->CurrentDocument();
    for (const auto& path : {mFolder / "missing.eco", mFolder}) {
        const auto failure = failureOf([&] { doc->ReadEcoFile(path.string()); });
        ASSERT_TRUE(failure) << path;
        EXPECT_EQ(failure->code(), HostCode::FileNotFound);
        EXPECT_NE(std::string(failure->what()).find(path.string()), std::string::npos);
    }
}

TEST_F(PowerPcb, ReadEcoFileActsOnTheLayoutOpenAtTheTimeOfTheCall) {
    const auto doc = mPcb.application()->CurrentDocument();
    mPcb.setLayout(std::nullopt);
    const auto failure = failureOf([&] { doc->ReadEcoFile((mFolder / "amp.eco").string()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::NoProject);
}

TEST_F(PowerPcb, CallsAreCountedNamedAndCanBeMadeToFail) {
    std::vector<std::string> seen;
    mPcb.setCallObserver([&](const std::string& call) { seen.push_back(call); });
    const auto doc = mPcb.application()->CurrentDocument();
    mPcb.failCall(1, HostCode::ServerUnavailable);
    const auto failure = failureOf([&] { doc->ReadEcoFile((mFolder / "amp.eco").string()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::ServerUnavailable);
    doc->ReadEcoFile((mFolder / "amp.eco").string());
    EXPECT_EQ(seen,
              (std::vector<std::string>{"PcbApplication.CurrentDocument", "PcbDocument.ReadEcoFile",
                                        "PcbDocument.ReadEcoFile"}));
    EXPECT_EQ(mPcb.callCount(), 3u);
}

// PowerPCB read the file and changed the layout, but its answer was lost.
TEST_F(PowerPcb, AReadCanTakeEffectAndThenFail) {
    std::ofstream(mFolder / "rename.eco", std::ios::binary)
        << "*PADS-ECO-V3.0-MILS*\r\n\r\n*RENPART*\r\n"
           "*REMARK*  AUTOSEQUATE\r\nR1 R5\r\n*END*\r\n";
    const auto doc = mPcb.application()->CurrentDocument();
    mPcb.failCallAfterEffect(1, HostCode::Timeout);
    const auto failure = failureOf([&] { doc->ReadEcoFile((mFolder / "rename.eco").string()); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), HostCode::Timeout);
    EXPECT_EQ(mPcb.layout()->parts, (std::vector<std::string>{"R5", "C1"}));
}

TEST_F(PowerPcb, CurrentDocumentCanGiveNoObject) {
    const auto app = mPcb.application();
    mPcb.answerNoObjectAtCall(1);
    EXPECT_EQ(app->CurrentDocument(), nullptr);
    EXPECT_NE(app->CurrentDocument(), nullptr);
}

TEST(RunningObjects, AttachGivesTheRunningSimulatorOrFailsWithNotRunning) {
    SimPowerLogic logic(std::vector<DocumentData>{{"amp.sch", {}}});
    SimPowerPcb pcb(std::nullopt);
    SimRunningObjects both(&logic, &pcb);
    EXPECT_EQ(both.attachPowerLogic()->CurrentDocument()->Name(), "amp.sch");
    EXPECT_EQ(logic.callCount(), 2u);
    EXPECT_NE(both.attachPowerPcb(), nullptr);
    SimRunningObjects none(nullptr, nullptr);
    const auto noLogic = failureOf([&] { none.attachPowerLogic(); });
    const auto noPcb = failureOf([&] { none.attachPowerPcb(); });
    ASSERT_TRUE(noLogic && noPcb);
    EXPECT_EQ(noLogic->code(), HostCode::NotRunning);
    EXPECT_EQ(noPcb->code(), HostCode::NotRunning);
}

TEST(StartingLayout, IsTheFilesOrElseTheOpenDocumentsNames) {
    const DocumentData amp{"amp.rev2.sch", {{"R1", false, {}}, {"C1", true, {}}}};
    const DocumentData unsaved{"", {{"Q1", false, {}}}};
    const LayoutData own{"board.pcb", {"X1"}};
    EXPECT_EQ(startingLayout(SimState{{amp}, own}), own);
    EXPECT_EQ(startingLayout(SimState{{amp, unsaved}, std::nullopt}),
              (LayoutData{"amp.pcb", {"R1", "C1"}}));
    EXPECT_EQ(startingLayout(SimState{{unsaved}, std::nullopt}),
              (LayoutData{"untitled.pcb", {"Q1"}}));
    EXPECT_EQ(startingLayout(SimState{}), std::nullopt);
}

} // namespace
} // namespace sequate::host::sim
