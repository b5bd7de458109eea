#pragma once

// Files written whole or not at all, the one way the ECO file, the journals and the kept passes
// reach the disk: the bytes go to a new file beside the target, created exclusively without
// following a link, synced, and renamed over the target only once complete; then the folder
// is synced. A failure leaves the target as it was and removes the new file. Until the rename
// only the user can read the new file. The Windows side is files/system_win.cpp.

#include "fileerror.h"
#include "openfile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace sequate::files {

// Writes bytes whole at target by way of a new file of the user's alone beside it, named as
// replaceWhole's: what a writer killed in the middle leaves is told apart by its writer, and
// goes once that writer no longer runs. Throws FileError.
void writeWholeBeside(const std::filesystem::path& target, std::string_view bytes);

// Removes the new files that writers killed in the middle of a write left in folder, only the
// user's own regular files, and only when their writer no longer runs. Quiet.
void removeKilledWritersFiles(const std::filesystem::path& folder);

// The file that writing to `path`, as a user gave it, replaces: a link there stays a link and
// the file it points to is replaced, followed as the kernel's protected_symlinks would: another
// user's link in a folder everyone can write to, whose sticky bit keeps each user to their own
// entries, is refused (it may have been planted). Windows follows no link. Throws FileError.
std::filesystem::path replacedFile(const std::string& path);

// Replaces target whole under a new name of its own beside it, which a later write in the
// folder removes when its writer was killed; the replaced file's mode is kept (a new file gets
// what a plain create would give it), and a file the user made read-only is refused. Throws
// FileError.
void replaceWhole(const std::filesystem::path& target, std::string_view bytes);

// Removes a file, never a folder; the system's reason when it cannot.
std::error_code removeFile(const std::filesystem::path& path);

// Makes a rename or a removal in the folder safe on disk. Quiet: where it cannot be done the
// file's own sync is all there is (a folder cannot be opened on Windows).
void syncFolder(const std::filesystem::path& folder);

} // namespace sequate::files
