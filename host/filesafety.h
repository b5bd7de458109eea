#pragma once

// What stands at a path Sequate is about to replace or trust, so that the ECO file, the state
// file and the journals never replace a device, a FIFO or a folder, and a journal is only ever
// kept in, and read from, what is the user's alone.

#include <filesystem>
#include <optional>
#include <string>

namespace sequate::host {

// What stands at path when it is not a regular file ("a folder", "a device", "a FIFO", "a
// socket"); nullopt when nothing or a regular file stands there. Links are followed: a link
// to a device is a device.
std::optional<std::string> notARegularFile(const std::filesystem::path& path);

// Why folder is not private to this user ("a link", "not a folder", "owned by another user",
// "writable by other users"), the link itself not followed; nullopt when it is private. On
// Windows, where the user's own data folder keeps others out, only a folder that is not a
// junction or a link is private.
std::optional<std::string> whyNotPrivateFolder(const std::filesystem::path& folder);

// Why the file at path is not the user's own to act on ("a link", "owned by another user",
// "writable by other users"); nullopt when it is. Always nullopt on Windows.
std::optional<std::string> whyNotOwnFile(const std::filesystem::path& path);

} // namespace sequate::host
