#pragma once

// Pass > Put back the last pass: the newest completed pass of the open schematic is taken
// back, schematic and layout both, from the journal it left (completedpass.h). Before any
// rename it checks that every component the pass renamed still carries the name the pass gave
// it and that no other component took a name it would give back, and, where the pass's ECO
// file reached PowerPCB, that PowerPCB can read the file that takes it back. Then it asks,
// showing what it will do, with PowerLogic not held. The put-back is journaled as recovery
// journals its own, so that one cut short is carried on at the next start; the layout gets the
// reverse ECO file under the rules of a pass (PowerPCB reads it whole or not at all, and a
// refusal puts the put-back itself back), and where the pass's file went to a file of the
// user's, the reverse file is offered in the save dialog. Once done, the pass's journal goes:
// the next put-back takes back the pass before.

#include "hostsession.h"
#include "numberingpass.h"
#include "passports.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

struct PutBackOutcome {
    bool done = false;           // every name the pass gave is back, and the layout followed
    std::vector<Rename> renames; // made and in effect, in order, temporary names included
    std::optional<EcoSent> eco;  // the reverse file, when one was handed over
    std::string message;         // what the user is to be told; empty when they said no
    MessageKind kind = MessageKind::Failure; // how the message is told
};

// Shown what the put-back will do; true to go on.
using ConfirmPutBack = std::function<bool(const std::string& preview)>;

PutBackOutcome putBackLastPass(HostSession& state, const PassPorts& ports,
                               const ConfirmPutBack& confirm);

} // namespace sequate::engine
