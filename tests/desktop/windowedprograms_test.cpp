// Started without a display, the windowed programs end with one line that says so, not with
// the abort of Qt's platform plugin.

#include "absentxdisplay.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

using sequate::desktop::absentXDisplay;

struct Start {
    std::string program;
    std::string environment; // as env(1) takes it
};

struct Ending {
    int status = -1;
    std::string errorOutput;
};

Ending run(const Start& start) {
    const std::string command = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DISPLAY " +
                                start.environment + " " + start.program + " 2>&1 >/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    Ending ending;
    std::array<char, 256> chunk{};
    while (std::fgets(chunk.data(), chunk.size(), pipe))
        ending.errorOutput += chunk.data();
    const int status = ::pclose(pipe);
    ending.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return ending;
}

class WithoutADisplay : public ::testing::TestWithParam<Start> {};

TEST_P(WithoutADisplay, TheProgramSaysSoInOneLineAndEnds) {
    const Start& start = GetParam();
    const Ending ending = run(start);
    EXPECT_EQ(ending.status, 1) << ending.errorOutput;
    const std::string name = std::filesystem::path(start.program).filename().string();
    EXPECT_EQ(ending.errorOutput.rfind(name + ": there is no display (", 0), 0u)
        << ending.errorOutput;
    EXPECT_EQ(ending.errorOutput.find('\n'), ending.errorOutput.size() - 1) << ending.errorOutput;
}

// Each program with no display named, and each with one of the two kinds named but absent.
INSTANTIATE_TEST_SUITE_P(
    Desktop, WithoutADisplay,
    ::testing::Values(Start{SEQUATE_PROGRAM, ""},
                      Start{SEQUATE_PROGRAM, "QT_QPA_PLATFORM=xcb DISPLAY=" + absentXDisplay()},
                      Start{SEQUATE_HOSTSIM_PROGRAM, ""},
                      Start{SEQUATE_HOSTSIM_PROGRAM,
                            "QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=/tmp WAYLAND_DISPLAY=gone"}));

} // namespace
