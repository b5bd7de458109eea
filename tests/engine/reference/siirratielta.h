#pragma once

// Before a pass over all components: every component whose number lies in the range the pass
// may hand out (start number to start number + list length) gets a temporary number above
// every number in use, so that no new name meets an old one.

#include "engine/formstate.h"
#include "engine/formwindow.h"
#include "engine/passjournal.h"

namespace sequate::engine::reference {

void SiirraTielta(FormState& state, const FormWindow& window, PassJournal& journal);

} // namespace sequate::engine::reference
