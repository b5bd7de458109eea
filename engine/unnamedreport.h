#pragma once

// The report of components that kept their names because they end in a letter.

#include "formstate.h"
#include "formwindow.h"

namespace sequate::engine {

// One line per name, CR LF ended, appended to the report window's text; then shows it.
// Old program: naytaNimeamattomat.
void showUnnamedReport(const FormState& state, FormWindow& window);

} // namespace sequate::engine
