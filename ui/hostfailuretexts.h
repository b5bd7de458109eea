#pragma once

// The words of a failure of PowerLogic's: the engine carries its code and PowerLogic's own
// words, and these are the sentences the user reads of them.

#include "engine/hostfault.h"
#include "engine/rename.h"

#include <optional>
#include <string>

namespace sequate::ui {

// A host failure in the user's words, its code and the host's own text only as a detail at the
// end: "PowerLogic refused the call (error 0x80040203: the name is taken)".
std::string describeFailure(const engine::HostFault& fault);

// What stopped, then the failure that stopped it, when there was one: "The position of R1 could
// not be read: PowerLogic did not answer in time (error ...)."; the failure alone without words.
std::string stoppedBy(const std::string& words, const std::optional<engine::HostFault>& fault);

// Why the open schematic cannot be reached, in the user's terms, with what to do: no document
// open, or PowerLogic gone and not found again.
std::string schematicUnreachable(const engine::HostFault& fault);

// What ending PowerLogic's pass has to tell; empty when nothing.
std::string passLockText(const engine::PassLockNews& news);

// What an undo could not put back, and why: "R7 could not get back its name R1: ...".
std::string undoFailureText(const engine::Rename& rename, const engine::HostFault& fault);

} // namespace sequate::ui
