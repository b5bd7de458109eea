#include "undolist.h"

#include "passstop.h"
#include "progress.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace sequate::engine {

void UndoList::add(std::shared_ptr<host::LogicComponent> component, Rename rename) {
    mEntries.push_back({std::move(component), std::move(rename)});
}

void UndoList::confirmLast(std::string after) {
    mEntries.back().rename.after = std::move(after);
}

UndoReport UndoList::undo(const ProgressPort* progress) {
    // A rename the host will not undo stays, and the older ones are still tried: each that
    // succeeds is one name less to put right by hand.
    // A host that no longer answers would make each further try wait out the whole timeout.
    std::vector<std::optional<UndoFailure>> failures(mEntries.size());
    std::size_t failed = 0;
    const std::vector<std::size_t> next = nextRenames();
    UndoReport report;
    std::optional<PhaseProgress> steps;
    if (progress)
        steps.emplace(*progress, ProgressPhase::PuttingBack,
                      static_cast<long long>(mEntries.size()));
    for (std::size_t i = mEntries.size(); i-- > 0;) {
        const Entry& entry = mEntries[i];
        const Rename& rename = entry.rename;
        try {
            entry.component->SetName(rename.before);
            if (failed > 0)
                failed -= putBackPast(i, next, failures);
        } catch (const host::HostFailure& failure) {
            ++failed;
            failures[i] = UndoFailure{rename, HostFault::of(failure)};
            if (failure.outcomeUnknown()) {
                report.hostLost = true;
                for (std::size_t older = 0; older < i; ++older)
                    failures[older] = failures[i];
                break;
            }
        }
        if (steps)
            steps->count();
    }
    for (std::size_t i = mEntries.size(); i-- > 0;) {
        if (!failures[i])
            continue;
        if (report.complete)
            report.failure = failures[i];
        report.complete = false;
        report.stillInEffect.push_back(mEntries[i].rename);
    }
    std::reverse(report.stillInEffect.begin(), report.stillInEffect.end());
    mEntries.clear();
    return report;
}

// For each rename, the next one that took away the name it gave, or none. The name a rename
// gave was that component's alone until its next rename took it away.
std::vector<std::size_t> UndoList::nextRenames() const {
    std::vector<std::size_t> next(mEntries.size(), mEntries.size());
    std::unordered_map<std::string, std::size_t> firstTaking; // name -> earliest later rename
    for (std::size_t i = mEntries.size(); i-- > 0;) {
        const auto found = firstTaking.find(mEntries[i].rename.after);
        if (found != firstTaking.end())
            next[i] = found->second;
        firstTaking[mEntries[i].rename.before] = i;
    }
    return next;
}

// The component of the rename just undone is back at the name it had before it, so its later
// renames that could not be undone are no longer in effect. Returns how many failures that
// clears.
std::size_t UndoList::putBackPast(std::size_t undone, const std::vector<std::size_t>& next,
                                  std::vector<std::optional<UndoFailure>>& failures) const {
    std::size_t cleared = 0;
    for (std::size_t later = next[undone]; later < mEntries.size(); later = next[later]) {
        if (failures[later])
            ++cleared;
        failures[later].reset();
    }
    return cleared;
}

} // namespace sequate::engine
