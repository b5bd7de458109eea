#pragma once

// Reading and writing the simulators' state file (JSON). Example:
// {"documents": [{"name": "amp.sch", "components": [{"name": "R1", "placements": [[1200, 800]],
//   "selected": true}]}], "layout": {"name": "amp.pcb", "parts": ["R1"]}}

#include "simstate.h"

#include <stdexcept>
#include <string>

namespace sequate::host::sim {

// what() names the file, the place and the fault, such as
// "amp.json: documents[0].components[12].name: expected a string".
class StateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

SimState loadStateFile(const std::string& path);
SimState parseState(const std::string& json, const std::string& fileName);
std::string serializeState(const SimState& state);
// Written whole or not at all: an existing file is left as it was on failure.
void saveStateFile(const std::string& path, const SimState& state);

} // namespace sequate::host::sim
