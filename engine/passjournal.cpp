#include "passjournal.h"

#include "passstop.h"

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
    UndoReport report;
    std::vector<RenameRecord> kept;
    for (auto entry = mEntries.rbegin(); entry != mEntries.rend(); ++entry) {
        try {
            entry->component->SetName(entry->before);
        } catch (const host::HostFailure& failure) {
            if (report.complete)
                report.failure = entry->after + " could not get back its name " + entry->before +
                                 ": " + describeFailure(failure);
            report.complete = false;
            kept.emplace_back(entry->before, entry->after);
        }
    }
    report.stillInEffect.assign(kept.rbegin(), kept.rend());
    mEntries.clear();
    return report;
}

} // namespace sequate::engine
