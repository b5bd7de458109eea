#pragma once

// One numbering pass over the open schematic. It reads what it needs of the schematic once,
// plans every rename in memory, then applies the plan: every component in list order, or the
// selected components in the order of their position on the sheet, or either across or down
// the sheet as the request asks. A pass either completes, or stops and puts back every name it
// changed. What came of it is a value (passoutcome.h): the pass shows no message itself.

#include "hostsession.h"
#include "passoutcome.h"
#include "passplan.h"
#include "passports.h"
#include "passrequest.h"
#include "undolist.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

// Old program: StartFrom.
// With `previewed`, the pass applies only that plan: if the schematic now gives another one,
// it renames nothing and returns the new plan. Exceptions stop the pass and come back as its
// outcome, with its renames put back.
PassOutcome runPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                    const PassPlan* previewed = nullptr);

struct PlanPreview {
    std::vector<std::string> names; // the names the plan was made from
    PassPlan plan;                  // plan.stop tells why the plan stops the pass
    // Why nothing could be read or planned: PowerLogic failed, or Sequate is not attached.
    std::optional<Problem> problem;
};

// What a pass would do, read and planned inside a pass of PowerLogic's, with nothing renamed.
PlanPreview previewPass(HostSession& state, const PassPorts& ports, const PassRequest& request);

} // namespace sequate::engine
