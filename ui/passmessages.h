#pragma once

// The words of what came of a pass: the boxes it ends with and its stop in the report. The
// engine says what happened as a value; this is the one place that says it to the user.

#include "dialogtexts.h"
#include "engine/numberingpass.h"
#include "engine/passoutcome.h"
#include "engine/passports.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::ui {

// What went wrong, as the box of a stopped pass begins and as the preview says why Run would
// stop.
std::string problemText(const engine::Problem& problem);

// The plan the preview shows: one that could not be read says why as the plan's stop.
engine::PassPlan previewedPlan(const engine::PlanPreview& preview);

// The boxes the pass ends with, in the order shown: the stop, then what was noted after it;
// for a completed pass, what was noted; none for a changed plan.
std::vector<Message> passMessages(const engine::PassOutcome& outcome);

// The box of a pass that stopped or was refused, as the report quotes it; empty for the other
// outcomes.
std::string stopMessage(const engine::PassOutcome& outcome);

// Tells each box of the outcome through the ports' dialogs, as the window does: for the
// runners and the tests that drive the engine without a window.
void tellPassOutcome(engine::UserDialogs& dialogs, const engine::PassOutcome& outcome);

} // namespace sequate::ui
