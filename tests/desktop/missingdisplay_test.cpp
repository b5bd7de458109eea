// The display check reads the environment as Qt's platform plugins do, and asks the display
// server itself, since a DISPLAY left over from a closed session names nothing.

#include "absentxdisplay.h"
#include "desktop/missingdisplay.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sequate::desktop {
namespace {

struct Environment {
    const char* platform;
    std::string display;
    const char* wayland;
    std::string problem; // empty: a window can be shown
};

class MissingDisplay : public ::testing::TestWithParam<Environment> {
protected:
    // A socket that stands for a running Wayland compositor.
    void SetUp() override {
        mRuntimeDir = std::filesystem::temp_directory_path() /
                      ("missingdisplay-" + std::to_string(::getpid()));
        std::filesystem::create_directories(mRuntimeDir);
        const std::string path = (mRuntimeDir / "compositor").string();
        mCompositor = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(mCompositor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(mCompositor, 1), 0);
        ::setenv("XDG_RUNTIME_DIR", mRuntimeDir.c_str(), 1);
    }

    void TearDown() override {
        ::close(mCompositor);
        std::filesystem::remove_all(mRuntimeDir);
    }

    static void set(const char* name, const std::string& value) {
        if (value.empty())
            ::unsetenv(name);
        else
            ::setenv(name, value.c_str(), 1);
    }

    std::filesystem::path mRuntimeDir;
    int mCompositor = -1;
};

TEST_P(MissingDisplay, SaysWhyNoWindowCanBeShown) {
    const Environment& environment = GetParam();
    set("QT_QPA_PLATFORM", environment.platform);
    set("DISPLAY", environment.display);
    set("WAYLAND_DISPLAY", environment.wayland);
    EXPECT_EQ(missingDisplay(), environment.problem);
}

const std::string noX = absentXDisplay();

INSTANTIATE_TEST_SUITE_P(
    Desktop, MissingDisplay,
    ::testing::Values(
        Environment{"offscreen", "", "", ""}, Environment{"xcb:nograb;offscreen", noX, "", ""},
        Environment{"", "", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        Environment{"xcb", "", "", "DISPLAY is not set"},
        Environment{"xcb", noX, "", "the X display " + noX + " cannot be reached"},
        Environment{"xcb", "localhost" + noX, "",
                    "the X display localhost" + noX + " cannot be reached"},
        Environment{"xcb", "not-a-display", "", "the X display not-a-display cannot be reached"},
        Environment{"wayland", "", "compositor", ""}, Environment{"", noX, "compositor", ""},
        Environment{"wayland-egl", "", "gone", "the Wayland display gone cannot be reached"},
        Environment{"wayland;xcb", noX, "gone", "the X display " + noX + " cannot be reached"}));

} // namespace
} // namespace sequate::desktop
