// The shell of the simulated PowerPCB. What an ECO file does to the layout is the ECO reader's
// business and is tested with it.

#include "host/sim/simpowerpcb.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sequate::host::sim {
namespace {

// What the call answers: "read" or the failure's code and message.
std::string outcome(const std::function<void()>& call) {
    try {
        call();
    } catch (const HostFailure& failure) {
        return codeText(failure.code()) + " " + failure.what();
    }
    return "read";
}

class PowerPcb : public ::testing::Test {
protected:
    static std::filesystem::path madeFolder() {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("sequate-simpcb-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return folder;
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    std::string file(const std::string& name, const std::string& text) {
        std::ofstream((mFolder / name).string(), std::ios::binary) << text;
        return (mFolder / name).string();
    }

    std::filesystem::path mFolder = madeFolder();
    SimPowerPcb mPcb{LayoutData{"amp.pcb", {"R1", "C1"}}};
    std::shared_ptr<PcbDocument> mDoc = mPcb.application()->CurrentDocument();
    std::string mRename =
        file("rename.eco", "*PADS-ECO-V3.0-MILS*\r\n*RENPART*\r\nR1 R5\r\n*END*\r\n");
};

TEST_F(PowerPcb, ARefusedFileFailsWithItsFirstProblemAndChangesNothing) {
    const auto refused =
        file("amp.eco", "*PADS-ECO*\r\n*RENPART*\r\nR1 R2\r\n*END*\r\n"
                        "*PADS-ECO*\r\n*RENPART*\r\nC1 C2\r\nR2 R3 R4\r\n*END*\r\n");
    EXPECT_EQ(outcome([&] { mDoc->ReadEcoFile(refused); }),
              "0x80004005 PcbDocument.ReadEcoFile: amp.eco:8: expected \"OLD NEW\", found \"R2 R3 "
              "R4\"; nothing in the file was applied");
    EXPECT_EQ(mPcb.layout()->parts, (std::vector<std::string>{"R1", "C1"}));
    EXPECT_EQ(mPcb.log().back(), "amp.eco: nothing in the file was applied");
    for (const auto& path : {mFolder / "missing.eco", mFolder}) {
        const std::string failure = outcome([&] { mDoc->ReadEcoFile(path.string()); });
        EXPECT_EQ(failure.substr(0, 10), "0x80070002");
        EXPECT_NE(failure.find(path.string()), std::string::npos) << failure;
    }
}

TEST_F(PowerPcb, PlaysTheFaultsATestPlans) {
    std::vector<std::string> calls;
    mPcb.setCallObserver([&](const std::string& call) { calls.push_back(call); });
    mPcb.failCall(1, HostCode::ServerUnavailable);
    EXPECT_EQ(outcome([&] { mDoc->ReadEcoFile(mRename); }).substr(0, 10), "0x800706BA");
    EXPECT_EQ(mPcb.layout()->parts[0], "R1");
    mPcb.failCallAfterEffect(1, HostCode::Timeout); // read, but the answer was lost
    EXPECT_EQ(outcome([&] { mDoc->ReadEcoFile(mRename); }).substr(0, 10), "0x800705B4");
    EXPECT_EQ(mPcb.layout()->parts[0], "R5");
    mPcb.answerNoObjectAtCall(1);
    EXPECT_EQ(mPcb.application()->CurrentDocument(), nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"PcbDocument.ReadEcoFile", "PcbDocument.ReadEcoFile",
                                               "PcbApplication.CurrentDocument"}));
    EXPECT_EQ(mPcb.callCount(), 4u);
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
