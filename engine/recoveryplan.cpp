#include "recoveryplan.h"

#include "hostrenames.h"

#include <set>

namespace sequate::engine {

std::optional<std::size_t> journalToSettle(const std::vector<RenameJournal>& unfinished,
                                           const Names& now) {
    for (std::size_t i = 0; i < unfinished.size(); ++i)
        if (belongsTo(unfinished[i], now) && !atRest(unfinished[i], now))
            return i;
    return std::nullopt;
}

UnfinishedPass questionAbout(const RenameJournal& journal, const Names& now) {
    const Names before = namesBefore(journal, now);
    std::set<ComponentIndex> renamed;
    for (const Rename& rename : journal.renames)
        renamed.insert(rename.component);
    std::size_t inEffect = 0;
    for (std::size_t i = 0; i < now.size(); ++i)
        inEffect += now[i] != before[i];
    return {journal.document, inEffect, renamed.size(), journal.handedOver == HandOver::Layout};
}

std::vector<Rename> renamesBetween(const Names& from, const Names& to) {
    SchematicSnapshot snapshot;
    snapshot.names = from;
    PassPlan plan;
    plan.renames = changedNames(from, to);
    return hostRenames(snapshot, plan);
}

namespace {

// The journal a recovery's own step writes before its first rename: of the found journal's
// document, from `from` by `renames`.
RenameJournal stepJournal(const RenameJournal& found, JournalKind kind, const Names& from,
                          const std::vector<Rename>& renames) {
    RenameJournal step;
    step.document = found.document;
    step.kind = kind;
    step.components = from.size();
    step.namesBefore = from;
    step.renames = renames;
    return step;
}

} // namespace

LayoutFollow layoutFollow(const Names& from, const Names& to) {
    LayoutFollow follow{renamesBetween(from, to), std::nullopt};
    if (!follow.renames.empty())
        follow.probe = probeRows(from, to);
    return follow;
}

ProbeAnswer probeAnswer(const host::EcoDelivery& probed) {
    if (probed.outcome == host::EcoOutcome::Delivered ||
        probed.outcome == host::EcoOutcome::FileLeftOver)
        return ProbeAnswer::TookIt;
    // A refusal tells only when PowerPCB itself refused the file whole.
    return probed.refusedWhole ? ProbeAnswer::InStep : ProbeAnswer::Unknown;
}

PutBackPlan putBackPlan(const RenameJournal& journal, const Names& now) {
    PutBackPlan plan;
    // A put-back cut short goes on to the names it was putting back.
    plan.target =
        journal.kind == JournalKind::PutBack ? namesAfter(journal, now) : namesBefore(journal, now);
    plan.renames = renamesBetween(now, plan.target);
    plan.journal = stepJournal(journal, JournalKind::PutBack, now, plan.renames);
    RenameJournal& back = plan.journal;
    if (journal.handedOver == HandOver::Layout) {
        back.handedOver = HandOver::Layout;
        back.handOverPath = journal.handOverPath;
        // A put-back carried on follows in the layout from the names it began with, which the
        // layout holds if it took the file, not from where the put-back was cut short.
        const Names layoutFrom =
            journal.kind == JournalKind::PutBack ? namesBefore(journal, now) : now;
        plan.layout = layoutFollow(layoutFrom, plan.target);
    }
    if (journal.handedOver == HandOver::File && journal.kind == JournalKind::PutBack) {
        // Putting back the last pass, whose file the user read into the layout: the layout is
        // put back by a file too, from the names the put-back began with.
        back.handedOver = HandOver::File;
        plan.layout = LayoutFollow{renamesBetween(namesBefore(journal, now), plan.target),
                                   std::nullopt, true};
    } else if (journal.handedOver == HandOver::File) {
        plan.passEcoFile = journal.handOverPath;
    }
    return plan;
}

KeepPlan keepPlan(const RenameJournal& journal, const Names& now) {
    KeepPlan plan;
    const Names before = namesBefore(journal, now);
    plan.staying = renamesBetween(before, now);
    plan.journal = stepJournal(journal, JournalKind::Keep, before, plan.staying);
    RenameJournal& kept = plan.journal;
    kept.done = plan.staying.size();
    kept.handedOver = journal.handedOver;
    kept.handOverPath = journal.handOverPath;
    if (journal.handedOver == HandOver::Layout)
        plan.layout = layoutFollow(before, now);
    return plan;
}

RecoveryStart startRecovery(const RenameJournal& journal, const Names& now,
                            std::optional<RecoveryChoice> choice) {
    switch (journal.kind) {
    case JournalKind::PutBack:
        return {std::nullopt, RecoveryChoice::PutBack};
    case JournalKind::Keep:
        return {std::nullopt, RecoveryChoice::Keep};
    case JournalKind::Pass:
        break;
    }
    if (choice)
        return {std::nullopt, choice};
    return {questionAbout(journal, now), std::nullopt};
}

bool passMayFollow(bool journalFound, bool settled, bool asked) {
    return !journalFound || (settled && !asked);
}

} // namespace sequate::engine
