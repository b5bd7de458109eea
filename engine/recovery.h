#pragma once

// A pass cut short (Sequate killed, the power gone, PowerLogic no longer answering) leaves its
// journal behind. At the next start, and before a Run, Sequate looks for the journal whose names
// explain the names PowerLogic reports (another design of the same file name leaves it alone),
// and offers to put the schematic back as it was before that pass or to keep it as it is. A
// put-back is journaled first, so one cut short is carried on; kept renames go to the layout,
// and their journal is settled only once they did or the user chose to go without an ECO
// file. Where the journal says PowerPCB was reading the file, a probe tells whether the layout
// took it before anything else is handed over.

#include "hostsession.h"
#include "passports.h"
#include "passrequest.h"
#include "recoverynews.h"
#include "recoveryplan.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

struct RecoveryOutcome {
    bool found = false;                 // an unfinished journal of the open schematic
    std::optional<RecoveryChoice> done; // what was done, when anything was
    std::vector<Rename> staying;        // the renames in effect afterwards, in the order made
    std::vector<RecoveryMessage> told;  // what the user was told, one box each
    // No journal of the open schematic is left to settle, and the user was not asked about
    // one: a Run may go on with the pass it was pressed for.
    bool passMayFollow = true;
};

// The renames kept go where `eco` says a pass's ECO file goes: PowerPCB, or else a file the
// user chooses. `choice` answers the question for a caller without a window to ask (the
// headless runner). `beforeAPass`: Run was pressed for a pass, and where it cannot follow, the
// last message says why. The messages go to UserDialogs::tellOfRecovery once PowerLogic is let
// go; how the steps are chosen is recoveryplan.h.
RecoveryOutcome recoverUnfinishedPass(HostSession& state, const PassPorts& ports,
                                      EcoDestination eco,
                                      std::optional<RecoveryChoice> choice = std::nullopt,
                                      bool beforeAPass = false);

} // namespace sequate::engine
