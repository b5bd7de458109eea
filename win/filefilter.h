#pragma once

#include <string>

namespace sequate::win {

// The save dialog's filter in the system's form, pairs of description and pattern each ending
// in a NUL, the list ending in another: from "ECO files (*.eco) |*.eco|" (the old program's
// common dialog form, kept as written), or from a description holding its pattern in brackets.
std::wstring nativeFilter(const std::string& filter);

} // namespace sequate::win
