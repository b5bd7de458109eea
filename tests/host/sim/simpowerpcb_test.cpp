// The shell of the simulated PowerPCB. What an ECO file does to the layout is the ECO reader's
// business and is tested with it.

#include "host/sim/simpowerpcb.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sequate::host::sim {
namespace {

TEST(SimPowerPcb, ReadsWholeFilesAndPlaysTheFaultsATestPlans) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("sequate-simpcb-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto file = [&](const char* name, const char* text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    };
    const auto refused = file("amp.eco", "*PADS-ECO*\r\n*RENPART*\r\nR1 R2 R3\r\n*END*\r\n");
    const auto rename = file("rename.eco", "*PADS-ECO*\r\n*RENPART*\r\nR1 R5\r\n*END*\r\n");
    SimPowerPcb pcb{LayoutData{"amp.pcb", {"R1", "C1"}}};
    const auto doc = pcb.application()->CurrentDocument();
    // R1's name after the call, and the call's failure, if any.
    const auto outcome = [&](const std::string& path) {
        std::string failure;
        try {
            doc->ReadEcoFile(path);
        } catch (const HostFailure& e) {
            failure = " " + codeText(e.code()) + " " + e.what();
        }
        return pcb.layout()->parts[0] + failure;
    };
    EXPECT_EQ(outcome(refused), "R1 0x80004005 amp.eco:3: expected \"OLD NEW\", found \"R1 R2 "
                                "R3\"; nothing in the file was applied");
    EXPECT_EQ(pcb.log().back(), "amp.eco: nothing in the file was applied");
    EXPECT_EQ(outcome((folder / "missing.eco").string()).substr(0, 13), "R1 0x80070002");
    pcb.failCallAfterEffect(1, HostCode::Timeout); // read, but the answer was lost
    EXPECT_EQ(outcome(rename).substr(0, 13), "R5 0x800705B4");
    EXPECT_EQ(pcb.callCount(), 4u);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace sequate::host::sim
