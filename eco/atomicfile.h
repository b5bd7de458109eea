#pragma once

// Writing a file whole or not at all: the bytes go to a new file beside the target, which is
// renamed over the target only once it is complete and on disk. A failure leaves an existing
// target as it was and removes the new file.

#include <string>

namespace sequate::eco {

// Throws EcoError naming the path and the reason.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace sequate::eco
