#pragma once

// Writing a file whole or not at all: the bytes go to a new file beside the target, which is
// renamed over the target only once it is complete and on disk. A failure leaves an existing
// target as it was and removes the new file; a new file that a killed writer left behind is
// removed by the next write in its folder. Until the rename only the user can read the new file.

#include <string>

namespace sequate::eco {

// Throws EcoError naming the path and the reason, also for a link at the path that another
// user may have planted in a shared folder.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace sequate::eco
