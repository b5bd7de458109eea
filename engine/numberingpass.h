#pragma once

// One numbering pass over the open schematic. It reads what it needs of the schematic once,
// plans every rename in memory, then applies the plan: every component in list order, or the
// selected components in the order of their position on the sheet. A pass either completes,
// or stops and puts back every name it changed.

#include "hostsession.h"
#include "passjournal.h"
#include "passplan.h"
#include "passports.h"
#include "passrequest.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

// What came of the ECO step of a pass.
struct EcoSent {
    EcoDestination destination = EcoDestination::None;
    host::EcoDelivery delivery;
    std::string path; // the file as it was handed over: the one chosen, or the one PowerPCB read
};

struct PassResult {
    bool completed = false;
    std::vector<RenameRecord> renames; // in effect after the pass, in the order made
    std::vector<std::string> unnamed;  // kept their names: they end in a letter
    std::string stopMessage;           // what the user was told when the pass stopped
    // Each component whose name the completed pass changed: its name before and after, in
    // the order of the document.
    std::vector<RenameRecord> changed;
    // A previewed plan was not applied: the schematic had changed since. This is the plan of
    // the schematic as it is now; nothing was renamed and nothing was shown.
    std::optional<PassPlan> newPlan;
    // The name of every component as the pass read it, in document order: set when the pass
    // completed or found a new plan. With `applied`, the plan a completed pass made; for reports.
    std::vector<std::string> namesRead;
    PassPlan applied;
    // The ECO step, once it was tried; nothing when no file was asked for or the pass stopped
    // before it.
    std::optional<EcoSent> eco;
};

// Old program: StartFrom.
// With `previewed`, the pass applies only that plan: if the schematic now gives another one,
// it renames nothing and returns the new plan.
PassResult runPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                   const PassPlan* previewed = nullptr);

struct PlanPreview {
    std::vector<std::string> names; // the names the plan was made from
    PassPlan plan;                  // plan.stop also tells why no plan could be read
};

// What a pass would do, read and planned inside a pass of PowerLogic's, with nothing renamed.
PlanPreview previewPass(HostSession& state, const PassPorts& ports, const PassRequest& request);

} // namespace sequate::engine
