#pragma once

// The next free name of a letter code: the first gap in the numbers of that code, walking
// the document's list in its own order, that ends above the candidate's number; or one above
// the run's last number.

#include "engine/formstate.h"

#include <cstdint>
#include <string>

namespace sequate::engine::reference {

// The gap scan. Reads allNames to find where the code starts and the document's list (the
// selection when two or more objects are selected, else all components); clears
// numberMissing. Stops the pass when the code is not in allNames or the number leaves
// 16 bits.
std::string AssignNext(FormState& state, const std::string& component);

// AssignNext's answer, made free: while another component than the one named receiverName
// carries it, or it is the candidate and avoidCandidate is set (a holder moved out of the
// candidate's way), the number goes up by one. everyComponent is the whole document.
std::string nextFreeName(FormState& state, host::LogicObjects& everyComponent,
                         const std::string& candidate, const std::string& receiverName,
                         bool avoidCandidate);

} // namespace sequate::engine::reference
