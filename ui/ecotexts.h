#pragma once

// The words for what went wrong in the ECO step: the ECO library reports values
// (host::EcoProblem), and these are the sentences the user reads of them, in the messages of a
// pass, a put-back, a recovery and a saved plan.

#include "host/ecodelivery.h"

#include <string>

namespace sequate::ui {

// The whole sentence, with what to do where the user can set it right.
std::string ecoProblemText(const host::EcoProblem& problem);

// Why the file could not be written, without the ECO file around it ("it names a folder"), for
// the writer's other files, such as a saved list; the whole sentence where there is no file.
std::string fileProblemReason(const host::EcoProblem& problem);

} // namespace sequate::ui
