#pragma once

// Help > Sequate Help: the help page rendered as HTML at build time, in the folder "doc" beside
// the program, in the build folder and once installed alike.

#include <string>

namespace sequate::win {

std::string helpPagePath();
bool helpPageExists(const std::string& path);

} // namespace sequate::win
