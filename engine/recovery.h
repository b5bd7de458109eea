#pragma once

// A pass cut short (Sequate killed, the power gone, PowerLogic no longer answering) leaves its
// journal unfinished. At the next start, and before a Run, Sequate compares that journal with
// the names PowerLogic reports, and offers to put the schematic back as it was before that
// pass or to keep it as it is; either way the journal is closed, and the ECO file of the
// renames that stay is offered, so that the layout can follow.

#include "hostsession.h"
#include "passjournal.h"
#include "passports.h"
#include "passrequest.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

enum class RecoveryChoice { PutBack, Keep };

struct RecoveryOutcome {
    bool found = false;                 // an unfinished journal of the open schematic
    std::optional<RecoveryChoice> done; // what was done, when anything was
    std::vector<Rename> staying;        // the renames in effect afterwards, in the order made
    std::string message;                // what the user was told
};

// The renames kept go where `eco` says a pass's ECO file goes: PowerPCB, or else a file the
// user chooses. `choice` answers the question for a caller without a window to ask (the
// headless runner).
RecoveryOutcome recoverUnfinishedPass(HostSession& state, const PassPorts& ports,
                                      EcoDestination eco,
                                      std::optional<RecoveryChoice> choice = std::nullopt);

} // namespace sequate::engine
