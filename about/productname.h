#pragma once

namespace sequate::about {

// The program's name and version as every window shows it.
inline constexpr const char* productName = "Sequate 1.4";

} // namespace sequate::about
