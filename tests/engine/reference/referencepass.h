#pragma once

// The numbering pass as it was, kept to show that the planned pass gives the same renames:
// one numbering pass over the open schematic: mode 0 numbers every component in list order,
// mode 1 the selected components in the order of their position on the sheet. A pass either
// completes, or stops and puts back every name it changed.

#include "engine/formstate.h"
#include "engine/formwindow.h"
#include "engine/numberingpass.h"

namespace sequate::engine::reference {

// The tables of the old program, read from the host.
void readAllNames(FormState& state);      // Old program: tallennakaikki
void readSelectedNames(FormState& state); // Old program: TalletaSelected

// The pass as it was before it read, planned and applied: every step asks PowerLogic.
// Mode 0 all components, 1 the selected ones.
PassResult referencePass(FormState& state, FormWindow& window, int mode);

} // namespace sequate::engine::reference
