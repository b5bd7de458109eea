#pragma once

// What durablefile.cpp asks of the platform: files/system.cpp on POSIX, files/system_win.cpp
// on Windows. Inside the library only.

#include "fileerror.h"

#include <filesystem>
#include <string>

namespace sequate::files::detail {

// Moves from over to, replacing it; throws FileError naming to.
void renameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Follows links at target, refusing a planted one; throws FileError.
std::filesystem::path followLinks(std::filesystem::path target);

// Throws FileError when target exists and the user may not write it, or made it read-only: the
// rename that replaces it would need no permission on the file itself. Read-only holds for the
// superuser too, as Windows' read-only attribute does: whoever cleared the write bits meant the
// file to stay.
void requireWritable(const std::filesystem::path& target);

// The mode the new file takes before the rename; replacing: a file stands at target, whose
// mode must be kept, while a new file that keeps the narrow mode is only safer.
struct FinalMode {
    unsigned bits = 0600;
    bool replacing = false;
};
FinalMode finalModeFor(const std::filesystem::path& target);

// ".<name>.sequate-<process>-<random>.tmp": the process tells a later write whether the writer
// of a file left behind still runs.
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned random);

// Removes the files that writers killed in the middle of a write left in folder. Quiet.
void removeLeftovers(const std::filesystem::path& folder);

} // namespace sequate::files::detail
