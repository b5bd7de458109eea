#pragma once

// Each test process keeps its journals, and the options the window remembers, in a data folder
// of its own, made when the process starts and removed when it ends, so that tests running side
// by side never meet each other's journals or options, nor the user's.

#include <cstdlib>
#include <filesystem>
#include <stdlib.h>
#include <string>

#ifdef _WIN32
#include <random>

namespace {
inline char* mkdtemp(char* pattern) {
    std::string name(pattern);
    const std::string digits = std::to_string(1000000 + std::random_device()() % 1000000);
    name.replace(name.size() - 6, 6, digits.substr(1));
    if (!std::filesystem::create_directory(name))
        return nullptr;
    std::copy(name.begin(), name.end(), pattern);
    return pattern;
}
inline int setenv(const char* name, const char* value, int) {
    return ::_putenv_s(name, value);
}
} // namespace
#endif

namespace sequate::testing {

inline const std::filesystem::path privateDataFolder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sequate-test-data-XXXXXX").string();
    if (::mkdtemp(pattern.data())) {
        ::setenv("XDG_DATA_HOME", pattern.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    }
    std::atexit([] {
        std::error_code ignored;
        if (const char* folder = std::getenv("XDG_DATA_HOME"))
            std::filesystem::remove_all(folder, ignored);
    });
    return std::filesystem::path(pattern);
}();

} // namespace sequate::testing
