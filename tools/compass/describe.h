#pragma once

// What the running PowerLogic and PowerPCB declare for the operations Sequate calls: the first
// thing to look at on a machine with the real applications.

#include "host/com/comrunningobjects.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

namespace sequate::tools {

// Prints, for every operation, the interface, the slot, the name, what the application's type
// information declares there and whether Sequate accepts it, then the verdict; true when every
// one is accepted.
bool describeTypes(host::com::ComRunningObjects& objects, std::ostream& out);

// The last line of the description: whether all the operations are as Sequate expects, or how
// many of them differ.
std::string describeVerdict(std::size_t differ, std::size_t operations);

// The message refusing PowerLogic (and, with the hand-off, a running PowerPCB) for a declared
// operation Sequate cannot call; none when both fit. An application that cannot be reached is
// left to start-up and the hand-off, which tell it in their own words.
std::optional<std::string> refusedTypes(host::com::ComRunningObjects& objects, bool handOff);

} // namespace sequate::tools
