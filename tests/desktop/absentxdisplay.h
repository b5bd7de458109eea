#pragma once

#include <filesystem>
#include <string>

namespace sequate::desktop {

// An X display name, such as ":99", that no server on this machine listens on.
inline std::string absentXDisplay() {
    int number = 99;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)))
        ++number;
    return ":" + std::to_string(number);
}

} // namespace sequate::desktop
