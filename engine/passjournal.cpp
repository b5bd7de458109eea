#include "passjournal.h"

#include "passstop.h"

#include <algorithm>

namespace sequate::engine {

void PassJournal::add(std::shared_ptr<host::LogicComponent> component, std::string before,
                      std::string after) {
    mEntries.push_back({std::move(component), std::move(before), std::move(after)});
}

void PassJournal::confirmLast(std::string after) {
    mEntries.back().after = std::move(after);
}

UndoReport PassJournal::undo() {
    // A rename the host will not undo stays, and the older ones are still tried: each that
    // succeeds is one name less to put right by hand.
    // A host that no longer answers would make each further try wait out the whole timeout.
    std::vector<std::string> failures(mEntries.size());
    UndoReport report;
    for (std::size_t i = mEntries.size(); i-- > 0;) {
        const Entry& entry = mEntries[i];
        try {
            entry.component->SetName(entry.before);
            putBackPast(i, failures);
        } catch (const host::HostFailure& failure) {
            failures[i] = entry.after + " could not get back its name " + entry.before + ": " +
                          describeFailure(failure);
            if (failure.code() == host::HostCode::Timeout ||
                failure.code() == host::HostCode::ServerUnavailable) {
                report.hostLost = true;
                for (std::size_t older = 0; older < i; ++older)
                    failures[older] = failures[i];
                break;
            }
        }
    }
    for (std::size_t i = mEntries.size(); i-- > 0;) {
        if (failures[i].empty())
            continue;
        if (report.complete)
            report.failure = failures[i];
        report.complete = false;
        report.stillInEffect.emplace_back(mEntries[i].before, mEntries[i].after);
    }
    std::reverse(report.stillInEffect.begin(), report.stillInEffect.end());
    mEntries.clear();
    return report;
}

// The component of the rename just undone is back at the name it had before it, so its later
// renames that could not be undone are no longer in effect. They are found by name: the name
// a rename gave was that component's alone until its next rename took it away.
void PassJournal::putBackPast(std::size_t undone, std::vector<std::string>& failures) const {
    std::string name = mEntries[undone].after;
    for (std::size_t later = undone + 1; later < mEntries.size(); ++later) {
        if (mEntries[later].before != name)
            continue;
        failures[later].clear();
        name = mEntries[later].after;
    }
}

} // namespace sequate::engine
