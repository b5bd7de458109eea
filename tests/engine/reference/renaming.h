#pragma once

// Giving a component a new name in the schematic: record the name it had, set the new one,
// read back what the host now reports and record that. Every rename goes into the pass's
// journal as soon as the host has made it.

#include "engine/formstate.h"
#include "engine/passjournal.h"

#include <memory>
#include <string>

namespace sequate::engine::reference {

// Records presentName on the old side first, then renames.
void renameComponent(FormState& state, PassJournal& journal,
                     const std::shared_ptr<host::LogicComponent>& component,
                     const std::string& presentName, const std::string& newName);

// The rename itself, for callers that recorded the old side already. Throws RenameRefused
// when the host will not take the name.
void setAndRecord(FormState& state, PassJournal& journal,
                  const std::shared_ptr<host::LogicComponent>& component,
                  const std::string& presentName, const std::string& newName);

} // namespace sequate::engine::reference
