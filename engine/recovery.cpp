#include "recovery.h"

#include "applyrenames.h"
#include "componentlist.h"
#include "journalclaims.h"
#include "journalstore.h"
#include "passstop.h"
#include "powerlogicpasslock.h"
#include "recoveryplan.h"
#include "startup.h"
#include "workinglist.h"

#include <filesystem>
#include <set>
#include <utility>

namespace sequate::engine {

namespace {

namespace fs = std::filesystem;
using namespace recovery;

struct SchematicChanged {};

// A step that failed: what was under way, and the problem in the words of the part that met it.
// A failure of PowerLogic's travels as a value, after the words or alone.
struct StepFailed {
    RecoveryActivity activity;
    std::string problem;
    std::string renaming;
    std::optional<HostFault> fault;
};

StepFailed stepFailed(RecoveryActivity activity, const std::exception& problem,
                      const std::string& renaming = {}) {
    if (const auto* failure = dynamic_cast<const host::HostFailure*>(&problem))
        return {activity, {}, renaming, HostFault::of(*failure)};
    if (const auto* stop = dynamic_cast<const PassStop*>(&problem))
        return {activity, stop->what(), renaming, stop->fault()};
    return {activity, problem.what(), renaming, std::nullopt};
}

template <typename Step>
auto during(RecoveryActivity activity, Step step) {
    try {
        return step();
    } catch (const std::exception& problem) {
        throw stepFailed(activity, problem);
    }
}

// A journal that cannot be used is moved aside, not deleted: it may still help by hand.
UnreadableJournal setAside(const fs::path& path, const std::string& problem) {
    const fs::path aside = path.string() + ".set-aside";
    std::error_code error;
    fs::rename(path, aside, error);
    return {problem, aside.string(), error ? error.message() : std::string()};
}

class Recovery {
public:
    Recovery(HostSession& state, const PassPorts& ports, EcoDestination eco,
             std::optional<RecoveryChoice> choice)
        : mState(state), mPorts(ports), mEco(eco), mChoice(choice) {}

    // What happened, as far as it went: a step that fails leaves the rest undone.
    struct Record {
        RecoveryOutcome outcome;
        fs::path journal; // the journal of this schematic taken up, once one was
        bool asked = false;
        bool settled = false;
        bool putBackBegun = false;
    };

    Record run(bool beforeAPass) {
        Record record;
        mState.keptRenamesWaiting = 0;
        std::string document;
        try {
            document = documentName();
        } catch (const host::HostFailure& failure) {
            tell(record, SchematicOutOfReach{failure.code(), failure.what()});
            record.outcome.passMayFollow = false;
            return record;
        }
        try {
            recover(record, document);
        } catch (const StepFailed& failed) {
            tell(record, NotSettled{failed.activity, failed.renaming, failed.problem,
                                    record.putBackBegun, failed.fault});
        }
        // PowerLogic is let go before the first box: every message waits for the end of its
        // pass.
        endPowerLogicPassLock(record);
        if (record.outcome.done == RecoveryChoice::Keep && !record.settled)
            mState.keptRenamesWaiting = record.outcome.staying.size();
        record.outcome.passMayFollow =
            passMayFollow(!record.journal.empty(), record.settled, record.asked);
        // Where the pass Run was pressed for cannot follow, the last box says why.
        if (beforeAPass && !record.outcome.passMayFollow) {
            const PassHeldBack why{record.asked};
            if (record.outcome.told.empty())
                record.outcome.told.push_back({true, why, std::nullopt});
            else
                record.outcome.told.back().then = why;
        }
        return record;
    }

private:
    // The first call of a Run: where PowerLogic was closed and runs again, Sequate takes up the
    // new one.
    std::string documentName() {
        try {
            return mState.document->Name();
        } catch (const host::HostFailure& failure) {
            if (!powerLogicGone(failure) || !reattachPowerLogic(mState))
                throw;
        }
        return mState.document->Name();
    }

    void beginPowerLogicPassLock() {
        mPassLock.emplace(*mState.application, mPorts.dialogs);
        mPassLock->begin();
    }

    void endPowerLogicPassLock(Record& record) {
        if (!mPassLock)
            return;
        if (PassLockNews news = mPassLock->endQuietly(); !news.empty())
            tell(record, PassLockTold{std::move(news)});
        mPassLock.reset();
    }

    ComponentList readDocument() {
        auto list = allComponents(*mState.document);
        return readComponentList(*list, list->Count());
    }

    // A question waits with PowerLogic let go. The user may edit the schematic meanwhile: the
    // names are read again in a pass of Sequate's, and only names as they were at the question
    // are acted on, through the components as read again.
    template <typename Question>
    auto askLettingGo(Record& record, RecoveryActivity activity, ComponentList& read,
                      Question question) {
        return during(activity, [&] {
            endPowerLogicPassLock(record);
            const auto answer = question();
            beginPowerLogicPassLock();
            ComponentList again = readDocument();
            if (again.names != read.names)
                throw SchematicChanged();
            read = std::move(again);
            return answer;
        });
    }

    void recover(Record& record, const std::string& document) {
        std::vector<fs::path> paths;
        std::vector<RenameJournal> unfinished;
        std::error_code ignored; // a finished journal is only tidied away
        during(RecoveryActivity::LookingForJournal, [&] {
            for (const fs::path& path : journalsOf(mState.journalFolder, document)) {
                if (mState.settledJournals.count(path))
                    continue;
                try {
                    RenameJournal journal = readJournal(path);
                    if (journal.document != document)
                        continue;
                    if (journal.finished) {
                        fs::remove(path, ignored);
                        continue;
                    }
                    paths.push_back(path);
                    unfinished.push_back(std::move(journal));
                } catch (const JournalError& error) {
                    tell(record, setAside(path, error.what()));
                }
            }
            tidyJournalFolder(mState.journalFolder, unfinished);
        });
        if (unfinished.empty())
            return;
        ComponentList read = during(RecoveryActivity::ReadingNames, [&] {
            beginPowerLogicPassLock();
            return readDocument();
        });
        const std::optional<std::size_t> found = during(RecoveryActivity::ReadingNames, [&] {
            return journalToSettle(unfinished, read.names);
        });
        if (!found)
            return;
        record.journal = paths[*found];
        record.outcome.found = true;
        std::optional<Names> namesLeft; // once the recovery made its renames, the names it left
        try {
            settle(record, unfinished[*found], read, namesLeft);
        } catch (const SchematicChanged&) {
            tell(record, ChangedWhileAsked{});
        }
        if (namesLeft)
            during(RecoveryActivity::LookingForJournal,
                   [&] { setAsideOthersClaiming(record, document, *namesLeft); });
    }

    void settle(Record& record, const RenameJournal& journal, ComponentList& read,
                std::optional<Names>& namesLeft) {
        const RecoveryStart start = during(RecoveryActivity::ReadingNames, [&] {
            return startRecovery(journal, read.names, mChoice);
        });
        RecoveryChoice choice;
        if (start.question) {
            record.asked = true;
            choice = askLettingGo(record, RecoveryActivity::ReadingNames, read, [&] {
                return mPorts.dialogs.putBackUnfinishedPass(*start.question)
                           ? RecoveryChoice::PutBack
                           : RecoveryChoice::Keep;
            });
        } else {
            choice = *start.decided;
        }
        record.outcome.done = choice;
        if (choice == RecoveryChoice::Keep) {
            const KeepPlan plan = during(RecoveryActivity::WorkingOutKept,
                                         [&] { return keepPlan(journal, read.names); });
            namesLeft = read.names;
            // The journal of the renames kept is closed before the put-back's replaces it:
            // Windows keeps an open file in place.
            if (!handOverKept(record, plan, read))
                return;
        }
        const PutBackPlan plan = during(RecoveryActivity::PlanningPutBack,
                                        [&] { return putBackPlan(journal, read.names); });
        putBack(record, plan, read);
        namesLeft = plan.target;
    }

    // Puts the names back, with the put-back itself journaled first (temporary names included),
    // so that a put-back cut short is carried on at the next Run; then the layout follows.
    void putBack(Record& record, const PutBackPlan& plan, const ComponentList& read) {
        JournalWriter writer = during(RecoveryActivity::WritingPutBackJournal,
                                      [&] { return JournalWriter(record.journal, plan.journal); });
        record.putBackBegun = true;
        std::string renaming;
        try {
            UndoList undo;
            applyRenames({read.components, undo, &writer}, plan.renames, mPorts.progress, renaming,
                         ProgressPhase::PuttingBack);
        } catch (const std::exception& problem) {
            throw stepFailed(RecoveryActivity::WritingPutBackJournal, problem, renaming);
        }
        mPorts.progress.observer.progressEnded();
        PutBackMade made{plan.renames.size(), plan.passEcoFile, std::nullopt};
        if (plan.layout) {
            made.layout = followInLayout(record, *plan.layout, writer);
            if (!made.layout) {
                tell(record, made);
                return;
            }
            settleWith(record, writer, RecoveryActivity::BringingLayoutInStep);
        } else {
            settleWith(record, writer, RecoveryActivity::WritingPutBackJournal, renaming);
        }
        tell(record, made, true);
    }

    // Keeps the names, and hands the layout the renames that stay, as the window's ECO options
    // say; the journal is settled only once the layout has them, or the user knowingly goes
    // without. True when the user chose to put the names back instead.
    bool handOverKept(Record& record, const KeepPlan& plan, ComponentList& read) {
        record.outcome.staying = plan.staying;
        JournalWriter writer = during(RecoveryActivity::WritingKeptJournal,
                                      [&] { return JournalWriter(record.journal, plan.journal); });
        if (plan.layout) {
            if (const auto finding = followInLayout(record, *plan.layout, writer)) {
                settleWith(record, writer, RecoveryActivity::BringingLayoutInStep);
                if (*finding != LayoutFinding::NothingToFollow)
                    tell(record, LayoutFollowed{*finding}, true);
            }
            return false;
        }
        const host::EcoDelivery delivery = during(RecoveryActivity::HandingOverKept, [&] {
            EcoRows rows;
            rows.renames = plan.staying;
            const HandOver to =
                mEco == EcoDestination::PowerPcb ? HandOver::Layout : HandOver::File;
            rows.beforeHandOver = [&](const std::string& path) { writer.markHandedOver(to, path); };
            if (to == HandOver::Layout)
                return mPorts.eco.handToPowerPcb(*mState.application, rows);
            rows.caption = "Save the ECO file of the renames kept from the pass that was cut short";
            return mPorts.eco.writeToChosenFile(rows);
        });
        switch (delivery.outcome) {
        case host::EcoOutcome::Delivered:
            settleWith(record, writer, RecoveryActivity::HandingOverKept);
            return false;
        case host::EcoOutcome::FileLeftOver:
            settleWith(record, writer, RecoveryActivity::HandingOverKept);
            tell(record, KeptFileLeftOver{delivery.message});
            return false;
        case host::EcoOutcome::Cancelled:
            // The same question, and the same answers, as after a pass's save dialog.
            if (askLettingGo(record, RecoveryActivity::HandingOverKept, read, [&] {
                    return mPorts.dialogs.keepRenamesWithoutEco(WithoutEcoFile::KeptRenames);
                })) {
                settleWith(record, writer, RecoveryActivity::HandingOverKept);
                return false;
            }
            record.outcome.done = RecoveryChoice::PutBack;
            record.outcome.staying.clear();
            return true;
        case host::EcoOutcome::Unknown:
        case host::EcoOutcome::NotDelivered:
            break;
        }
        tell(record, KeptFileNotDelivered{delivery.message});
        return false;
    }

    // Only a layout that took the pass's file is handed the renames that follow it: PowerPCB
    // applies a file whole or not at all. What the layout is now; none, with the user told, when
    // that is not known.
    std::optional<LayoutFinding> followInLayout(Record& record, const LayoutFollow& follow,
                                                JournalWriter& writer) {
        return during(
            RecoveryActivity::BringingLayoutInStep, [&]() -> std::optional<LayoutFinding> {
                // Nothing between the two: a layout that took the file would hold the
                // names the schematic has now, so either way it is in step.
                if (follow.renames.empty())
                    return LayoutFinding::NothingToFollow;
                EcoRows rows;
                rows.renames = follow.renames;
                if (!follow.probe) {
                    rows.caption = follow.byFile
                                       ? "Save the ECO file that puts back the last pass"
                                       : "Save the ECO file for a layout that took the renames";
                    const host::EcoDelivery offered = mPorts.eco.writeToChosenFile(rows);
                    if (offered.outcome == host::EcoOutcome::NotDelivered) {
                        tell(record, LayoutFileNotSaved{offered.message});
                        return std::nullopt;
                    }
                    const bool saved = offered.outcome != host::EcoOutcome::Cancelled;
                    if (follow.byFile)
                        return saved ? LayoutFinding::PutBackFileSaved
                                     : LayoutFinding::PutBackFileUnsaved;
                    return saved ? LayoutFinding::ByHandFileSaved
                                 : LayoutFinding::ByHandNoFileSaved;
                }
                host::EcoDelivery delivery =
                    mPorts.eco.handToPowerPcb(*mState.application, *follow.probe);
                const ProbeAnswer answer = probeAnswer(delivery);
                if (answer == ProbeAnswer::InStep)
                    return LayoutFinding::AlreadyInStep;
                if (answer == ProbeAnswer::TookIt) {
                    rows.beforeHandOver = [&](const std::string& path) {
                        writer.markHandedOver(HandOver::Layout, path);
                    };
                    delivery = mPorts.eco.handToPowerPcb(*mState.application, rows);
                    if (probeAnswer(delivery) == ProbeAnswer::TookIt)
                        return LayoutFinding::TookSameRenames;
                }
                tell(record, LayoutNotKnown{delivery.message});
                return std::nullopt;
            });
    }

    // Another journal that would take the names this one left for its own would have a later
    // Run act on them again.
    void setAsideOthersClaiming(Record& record, const std::string& document,
                                const Names& namesLeft) {
        std::set<fs::path> leave = mState.settledJournals;
        leave.insert(record.journal);
        try {
            if (std::string told =
                    setAsideJournalsClaiming(mState.journalFolder, document, namesLeft, {}, leave);
                !told.empty())
                tell(record, Said{std::move(told)});
        } catch (const JournalError& error) {
            tell(record, Said{error.what()});
        }
    }

    static void settleWith(Record& record, JournalWriter& writer, RecoveryActivity activity,
                           const std::string& renaming = {}) {
        try {
            writer.settle();
        } catch (const std::exception& problem) {
            throw stepFailed(activity, problem, renaming);
        }
        record.settled = true;
    }

    // A put-back that completed, or renames kept that the layout took too, is an outcome the
    // user chose: the information icon.
    static void tell(Record& record, News news, bool information = false) {
        record.outcome.found = true;
        record.outcome.told.push_back({information, std::move(news), std::nullopt});
    }

    HostSession& mState;
    const PassPorts mPorts;
    const EcoDestination mEco;
    const std::optional<RecoveryChoice> mChoice;
    std::optional<PowerLogicPassLock> mPassLock;
};

} // namespace

RecoveryOutcome recoverUnfinishedPass(HostSession& state, const PassPorts& ports,
                                      EcoDestination eco, std::optional<RecoveryChoice> choice,
                                      bool beforeAPass) {
    if (!state.application || !state.document)
        return {};
    RecoveryOutcome outcome = Recovery(state, ports, eco, choice).run(beforeAPass).outcome;
    for (const RecoveryMessage& message : outcome.told)
        ports.dialogs.tellOfRecovery(message);
    return outcome;
}

} // namespace sequate::engine
