#pragma once

// One numbering pass over the open schematic: mode 0 numbers every component in list order,
// mode 1 the selected components in the order of their position on the sheet. A pass either
// completes, or stops and puts back every name it changed.

#include "formstate.h"
#include "formwindow.h"
#include "passjournal.h"

#include <string>
#include <vector>

namespace sequate::engine {

struct PassResult {
    bool completed = false;
    std::vector<RenameRecord> renames; // in effect after the pass, in the order made
    std::vector<std::string> unnamed;  // kept their names: they end in a letter
    std::string stopMessage;           // what the user was told when the pass stopped
};

// The tables are emptied again before it returns; the result keeps what the caller needs.
PassResult StartFrom(FormState& state, FormWindow& window, int mode);

} // namespace sequate::engine
