#pragma once

// Writing a file whole or not at all: the bytes go to a new file beside the target, which is
// renamed over the target only once it is complete and on disk. A failure leaves an existing
// target as it was and removes the new file; a new file that a killed writer left behind is
// removed by the next write in its folder. Until the rename only the user can read the new file.

#include "ecoerror.h"
#include "host/filesafety.h"

#include <filesystem>
#include <string>

namespace sequate::eco {

// Throws EcoError naming the path and the reason, also for a link at the path that another
// user may have planted in a shared folder.
void writeFileAtomically(const std::string& path, const std::string& bytes);

// Throws EcoError naming shownPath when something other than a regular file (a device, a FIFO,
// a folder) stands at target: writing the file would replace it. Written once for both
// platforms' writers.
inline void requireRegularTarget(const std::filesystem::path& target,
                                 const std::string& shownPath) {
    if (const auto other = host::notARegularFile(target))
        throw EcoError("Cannot write the ECO file \"" + shownPath + "\": it is " + *other +
                       ", not a file, so Sequate does not replace it.");
}

} // namespace sequate::eco
