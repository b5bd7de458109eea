#pragma once

// Writing the ECO file whole or not at all, through the durable files (files/durablefile.h): a
// failure leaves an existing file as it was and removes the new file, and is told as the ECO
// step's problem.

#include "ecoerror.h"

#include <string>

namespace sequate::eco {

// Throws EcoError with a host::EcoFileUnwritten naming the path and the reason, also for a
// link at the path that another user may have planted in a shared folder, and for something other
// than a regular file (a device, a FIFO, a folder) at the path, which writing the file would
// replace.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace sequate::eco
