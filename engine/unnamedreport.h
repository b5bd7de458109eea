#pragma once

// The report of components that kept their names because they end in a letter.

#include "formwindow.h"

#include <string>
#include <vector>

namespace sequate::engine {

// One line per name, CR LF ended, appended to the report window's text; then shows it.
// Old program: naytaNimeamattomat.
void showUnnamedReport(const std::vector<std::string>& names, FormWindow& window);

} // namespace sequate::engine
