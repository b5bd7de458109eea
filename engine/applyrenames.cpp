#include "applyrenames.h"

#include "passstop.h"
#include "progress.h"

namespace sequate::engine {

namespace {

using ComponentPtr = std::shared_ptr<host::LogicComponent>;

// A call that failed on its way back may still have renamed the component. When the host can
// say so, the rename is journaled if it was made; when it cannot (no answer in time, or gone),
// the rename is journaled as one that may have been made, and the next contact settles it.
void journalIfMade(UndoList& undo, const ComponentPtr& component, const Rename& rename,
                   const host::HostFailure& failure) {
    if (failure.outcomeUnknown()) {
        undo.add(component, rename);
        return;
    }
    try {
        if (component->Name() == rename.after)
            undo.add(component, rename);
    } catch (const host::HostFailure&) {
        undo.add(component, rename);
    }
}

void renameInHost(UndoList& undo, const ComponentPtr& component, const Rename& rename) {
    const std::string& from = rename.before;
    const std::string& to = rename.after;
    try {
        component->SetName(to);
    } catch (const host::HostFailure& failure) {
        journalIfMade(undo, component, rename, failure);
        throw RenameRefused("PowerLogic did not rename " + from + " to " + to, to,
                            HostFault::of(failure));
    }
    undo.add(component, rename);
    std::string readBack;
    try {
        readBack = component->Name();
    } catch (const host::HostFailure& failure) {
        throw PassStop("After renaming " + from + " to " + to +
                           ", its new name could not be read back",
                       HostFault::of(failure));
    }
    if (readBack != to) {
        undo.confirmLast(readBack);
        throw PassStop("After renaming " + from + " to " + to + ", PowerLogic gives its name as " +
                       readBack + ".");
    }
}

} // namespace

void applyRenames(const RenameTarget& target, const std::vector<Rename>& renames,
                  const ProgressPort& progress, std::string& activity, ProgressPhase phase) {
    if (renames.empty())
        return;
    PhaseProgress steps(progress, phase, static_cast<long long>(renames.size()));
    for (std::size_t i = 0; i < renames.size(); ++i) {
        const Rename& rename = renames[i];
        activity = "renaming " + rename.before + " to " + rename.after;
        renameInHost(target.undo, target.components[rename.component.value()], rename);
        if (target.disk)
            target.disk->markDone(i + 1);
        steps.step();
    }
}

} // namespace sequate::engine
