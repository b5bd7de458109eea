#pragma once

// Counts as the windows write them: thousands set apart, so that "1,234 of 5,000" reads at a
// glance, and the noun that goes with the number.

#include "engine/progressobserver.h"

#include <string>

namespace sequate::ui {

// 1234 as "1,234".
std::string withThousands(long long n);
// "1 rename", "2 renames".
std::string counted(long long n, const char* one, const char* many);

// The account line during a pass: the phase and how far it has got ("Reading 1,234 of 5,000
// components", "Renaming 812 of 2,764", "Putting back 300 of 812").
std::string progressLine(engine::ProgressPhase phase, long long done, long long total);

} // namespace sequate::ui
