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

// Each program with no display named, or with one named but absent.
TEST(WithoutADisplay, TheProgramSaysSoInOneLineAndEnds) {
    const std::pair<std::string, std::string> starts[] = {
        {SEQUATE_PROGRAM, "QT_QPA_PLATFORM=xcb DISPLAY=" + sequate::desktop::absentXDisplay()},
        {SEQUATE_HOSTSIM_PROGRAM, ""}};
    for (const auto& [program, environment] : starts) {
        const std::string command = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DISPLAY " +
                                    environment + " " + program + " 2>&1 >/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string errorOutput;
        std::array<char, 256> chunk{};
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            errorOutput += chunk.data();
        const int status = ::pclose(pipe);
        SCOPED_TRACE(command + "\n" + errorOutput);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
        const std::string name = std::filesystem::path(program).filename().string();
        EXPECT_EQ(errorOutput.rfind(name + ": there is no display (", 0), 0u);
        EXPECT_EQ(errorOutput.find('\n'), errorOutput.size() - 1);
    }
}

} // namespace
