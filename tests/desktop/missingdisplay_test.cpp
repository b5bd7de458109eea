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

TEST(MissingDisplay, SaysWhyNoWindowCanBeShown) {
    // A socket that stands for a running Wayland compositor.
    const auto runtimeDir =
        std::filesystem::temp_directory_path() / ("missingdisplay-" + std::to_string(::getpid()));
    std::filesystem::create_directories(runtimeDir);
    const int compositor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    (runtimeDir / "compositor").string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(compositor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(compositor, 1), 0);
    ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);

    const std::string noX = absentXDisplay();
    const struct {
        const char* platform;
        std::string display;
        const char* wayland;
        std::string problem; // empty: a window can be shown
    } cases[] = {
        {"offscreen", "", "", ""},
        {"xcb:nograb;offscreen", noX, "", ""},
        {"", "", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {"xcb", "", "", "DISPLAY is not set"},
        {"xcb", noX, "", "the X display " + noX + " cannot be reached"},
        {"wayland", "", "compositor", ""},
        {"", noX, "compositor", ""},
        {"wayland-egl", "", "gone", "the Wayland display gone cannot be reached"},
        {"wayland;xcb", noX, "gone", "the X display " + noX + " cannot be reached"},
    };
    const auto set = [](const char* name, const std::string& value) {
        value.empty() ? ::unsetenv(name) : ::setenv(name, value.c_str(), 1);
    };
    for (const auto& c : cases) {
        set("QT_QPA_PLATFORM", c.platform);
        set("DISPLAY", c.display);
        set("WAYLAND_DISPLAY", c.wayland);
        EXPECT_EQ(missingDisplay(), c.problem)
            << c.platform << " " << c.display << " " << c.wayland;
    }
    ::close(compositor);
    std::filesystem::remove_all(runtimeDir);
}

} // namespace
} // namespace sequate::desktop
