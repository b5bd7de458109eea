#pragma once

// One numbering pass over the open schematic. It reads what it needs of the schematic once,
// plans every rename in memory, then applies the plan: every component in list order, or the
// selected components in the order of their position on the sheet, or either across or down
// the sheet as the request asks. A pass either completes, or stops and puts back every name it
// changed.

#include "hostsession.h"
#include "passplan.h"
#include "passports.h"
#include "passrequest.h"
#include "undolist.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

// What came of the ECO step of a pass.
struct EcoSent {
    EcoDestination destination = EcoDestination::None;
    host::EcoDelivery delivery;
    std::string path; // the file as it was handed over: the one chosen, or the one PowerPCB read
    // The pass changed nothing, so PowerPCB was not asked to read a file (a file the user
    // chose is still written, with no renames).
    bool nothingToRead = false;
};

// What the account and the report say of such a pass's ECO step.
inline constexpr const char* nothingForPowerPcb =
    "Nothing changed, so PowerPCB was not asked to read a file";

// A pass either completes, with every rename of its plan in effect, or does not: it stopped
// (stopMessage) and put back every name it could, or, applying a previewed plan, found the
// schematic changed (newPlan) and renamed nothing.
struct PassResult {
    bool completed = false;

    // Completed: the plan it applied, whose renames (the schematic's, in the order made) are
    // the ECO file's rows, and each component whose name changed, in document order.
    PassPlan applied;
    std::vector<Rename> changed;
    std::vector<std::string> unnamed; // kept their names: they end in a letter

    // Stopped: what the user was told, and the renames still in effect, which the pass could not
    // put back (oldest first); empty when every name is as it was.
    std::string stopMessage;
    std::vector<Rename> stillInEffect;
    // Stopped because the user asked it to stop, or would not keep its renames without an ECO
    // file.
    bool byUser = false;

    // A previewed plan was not applied: the schematic had changed since. This is the plan of
    // the schematic as it is now; nothing was renamed and nothing was shown.
    std::optional<PassPlan> newPlan;
    // The name of every component as the pass read it, in document order: set when the pass
    // completed or found a new plan.
    std::vector<std::string> namesRead;
    // The ECO step, once it was tried; nothing when no file was asked for or the pass stopped
    // before it.
    std::optional<EcoSent> eco;

    // The renames in effect after the pass, in the order made: the plan's when it completed,
    // those still in effect when it did not.
    const std::vector<Rename>& renamesInEffect() const {
        return completed ? applied.renames : stillInEffect;
    }
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
