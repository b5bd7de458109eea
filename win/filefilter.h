#pragma once

#include <string>

namespace sequate::win {

// The save dialog's filter (ui::fileTypes) in the system's form: pairs of description and
// pattern each ending in a NUL, the list ending in another. The description stays as written,
// the old program's blank before the bar included.
std::wstring nativeFilter(const std::string& filter);

} // namespace sequate::win
