#include "filesafety.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sequate::host {

namespace fs = std::filesystem;

std::optional<std::string> notARegularFile(const fs::path& path) {
    std::error_code error;
    switch (fs::status(path, error).type()) {
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::regular:
        return std::nullopt;
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    case fs::file_type::fifo:
        return "a FIFO";
    case fs::file_type::socket:
        return "a socket";
    default:
        break;
    }
    return "not a file";
}

#ifdef _WIN32
std::optional<std::string> whyNotPrivateFolder(const fs::path& folder) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return "not a folder";
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return "a link";
    return std::nullopt;
}

std::optional<std::string> whyNotOwnFile(const fs::path&) {
    return std::nullopt;
}
#else
namespace {
std::optional<std::string> whyNotOwn(const struct stat& status) {
    if (S_ISLNK(status.st_mode))
        return "a link";
    if (status.st_uid != ::geteuid())
        return "owned by another user";
    if (status.st_mode & (S_IWGRP | S_IWOTH))
        return "writable by other users";
    return std::nullopt;
}
} // namespace

std::optional<std::string> whyNotPrivateFolder(const fs::path& folder) {
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0)
        return "not a folder";
    if (!S_ISLNK(status.st_mode) && !S_ISDIR(status.st_mode))
        return "not a folder";
    return whyNotOwn(status);
}

std::optional<std::string> whyNotOwnFile(const fs::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return std::nullopt; // gone: whoever reads it next says so
    return whyNotOwn(status);
}
#endif

} // namespace sequate::host
