#include "numberingpass.h"

#include "applyrenames.h"
#include "completedpass.h"
#include "host/partnamewords.h"
#include "journalclaims.h"
#include "journalstore.h"
#include "passstop.h"
#include "powerlogicpasslock.h"
#include "progress.h"
#include "schematicreader.h"
#include "startup.h"

#include <map>
#include <memory>
#include <utility>

namespace sequate::engine {

namespace {

// A stop the pass found itself, with its problem as a value. `beforeRenaming` when the plan or
// a check before the first rename found it: nothing has to be undone.
struct Halt {
    Problem problem;
    bool beforeRenaming = false;
};

[[noreturn]] void refuse(Problem problem) {
    throw Halt{std::move(problem), true};
}

// The frame every pass and preview shares: PowerLogic's pass around the work, the read, and
// what the pass was doing when a call failed.
class PassFrame {
public:
    PassFrame(HostSession& state, const PassPorts& ports, const PassRequest& request)
        : mState(state), mPorts(ports), mRequest(request) {}

protected:
    void begin() {
        if (!mState.application || !mState.document)
            throw Halt{Problem(Problem::Rule::NotAttached, mActivity)};
        mActivity = "starting the pass";
        beginPowerLogicPassLock();
        mRead = readSchematic(*mState.document, mRequest.scope, mRequest.order, mPorts.progress,
                              mActivity);
        mActivity = "planning the renames";
        mPlan = planPass(mRead.snapshot, mRequest);
    }

    // Where PowerLogic was closed and runs again, the pass begins in the new one.
    void beginPowerLogicPassLock() {
        mPassLock.emplace(*mState.application, mPorts.dialogs);
        try {
            mPassLock->begin();
            return;
        } catch (const host::HostFailure& failure) {
            if (!powerLogicGone(failure) || !reattachPowerLogic(mState))
                throw;
            mPassLock->forget();
        }
        mPassLock.emplace(*mState.application, mPorts.dialogs);
        mPassLock->begin();
    }

    Problem stoppedBy(const PassStop& stop) const {
        Problem problem(Problem::Rule::Stopped, mActivity, stop.what());
        problem.fault = stop.fault();
        return problem;
    }

    Problem failed(const host::HostFailure& failure) const {
        Problem problem(Problem::Rule::HostFailed, mActivity, failure.what());
        problem.code = failure.code();
        return problem;
    }

    // PowerLogic is let go before any box waits for the user: what the pass has to say is
    // told, by whoever shows its outcome, once its pass has ended.
    void endPass() {
        if (mPassLock)
            mPassLock->end();
        mPorts.progress.observer.progressEnded();
    }

    void noteAfterPass(AfterPassNote::What what, const std::string& detail) {
        mAfterPass.push_back({what, detail});
    }

    HostSession& mState;
    const PassPorts mPorts;
    const PassRequest mRequest;
    SchematicRead mRead;
    PassPlan mPlan;
    std::optional<PowerLogicPassLock> mPassLock;
    std::string mActivity;
    std::vector<AfterPassNote> mAfterPass;
};

class NumberingPass : private PassFrame {
public:
    NumberingPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                  const PassPlan* previewed)
        : PassFrame(state, ports, request), mPreviewed(previewed) {}

    PassOutcome run() {
        try {
            begin();
            if (mPreviewed &&
                (mPlan.renames != mPreviewed->renames || mPlan.unnamed != mPreviewed->unnamed ||
                 mPlan.stop != mPreviewed->stop)) {
                endPass();
                return PlanChanged{mPlan, mRead.snapshot.names};
            }
            if (mPlan.stop)
                refuse(Problem(Problem::Rule::Stopped, mActivity, *mPlan.stop));
            checkTheLayoutCanFollow();
            apply();
            // The last moment a stop puts everything back: once the ECO file is handed over,
            // the layout may hold the renames.
            stopIfAsked(mPorts.progress);
        } catch (const Halt& halt) {
            if (halt.beforeRenaming)
                return refused(halt.problem);
            return stop(halt.problem);
        } catch (const StoppedByUser& stopped) {
            return stop(Problem(Problem::Rule::StoppedByUser, mActivity, stopped.what()),
                        ByUser::Yes);
        } catch (const PassStop& problem) {
            return stop(stoppedBy(problem));
        } catch (const host::HostFailure& failure) {
            return stop(failed(failure));
        } catch (const std::exception& problem) {
            // Not a firewall: whatever went wrong, the renames made so far are put back.
            return stop(Problem(Problem::Rule::Unexpected, mActivity, problem.what()));
        }
        return finish();
    }

private:
    // With an ECO file asked for, every name the pass gives or takes must be one the file and
    // the layout can carry, and PowerPCB must be there to read it: found now, a refusal costs
    // nothing.
    void checkTheLayoutCanFollow() {
        if (mRequest.eco == EcoDestination::None)
            return;
        mActivity = "checking the names for the layout";
        std::map<std::string, std::size_t> carriers;
        for (const std::string& name : mRead.snapshot.names)
            ++carriers[name];
        for (const Rename& rename : mPlan.renames) {
            // The layout cannot tell which of two parts of one name a rename means.
            if (const std::size_t count = carriers[rename.before]; count > 1) {
                Problem problem(Problem::Rule::NameOfSeveral, mActivity);
                problem.parts = {rename.before};
                problem.count = count;
                refuse(std::move(problem));
            }
            if (std::string rule = host::layoutNameProblem(rename.before); !rule.empty()) {
                Problem problem(Problem::Rule::LayoutCannotName, mActivity, std::move(rule));
                problem.parts = {rename.before};
                refuse(std::move(problem));
            }
            if (std::string rule = host::layoutNameProblem(rename.after); !rule.empty()) {
                Problem problem(Problem::Rule::LayoutCannotCarry, mActivity, std::move(rule));
                problem.parts = {rename.before, rename.after};
                refuse(std::move(problem));
            }
        }
        // A pass that changes nothing asks nothing of PowerPCB.
        if (mRequest.eco != EcoDestination::PowerPcb || mPlan.renames.empty())
            return;
        mActivity = "reaching the layout in PowerPCB";
        if (std::string why = mPorts.eco.whyPowerPcbCannotTake(); !why.empty())
            refuse(Problem(Problem::Rule::PowerPcbCannotTake, mActivity, std::move(why)));
    }

    void apply() {
        mActivity = "renaming the components";
        const std::vector<Rename>& renames = mPlan.renames;
        if (renames.empty())
            return;
        openJournal(renames);
        applyRenames({mRead.components, mUndo, mDiskJournal.get()}, renames, mPorts.progress,
                     mActivity);
    }

    // Before the first rename the whole list is on disk, so that a pass cut short by a crash
    // can be put back at the next start.
    void openJournal(const std::vector<Rename>& renames) {
        mActivity = "writing the journal of the pass";
        RenameJournal planned;
        planned.document = mState.document->Name();
        mDocument = planned.document;
        planned.components = mRead.snapshot.names.size();
        planned.namesBefore = mRead.snapshot.names;
        planned.renames = renames;
        try {
            // An older journal that would take a state this pass leaves for its own would have
            // a later Run put back this pass's renames.
            mSetAside =
                setAsideJournalsClaiming(mState.journalFolder, planned.document,
                                         planned.namesBefore, renames, mState.settledJournals);
            mDiskJournal = std::make_unique<JournalWriter>(
                journalPath(mState.journalFolder, planned), planned);
        } catch (const JournalError& error) {
            refuse(Problem(Problem::Rule::JournalNotWritten, mActivity, error.what()));
        }
    }

    // The pass has ended with every rename in effect as the user wants, or with none. A
    // journal left behind would have the next Run put back a pass that completed: where it can
    // be neither removed nor marked, this process remembers it, and the user is told.
    void closeJournal() {
        if (!mDiskJournal)
            return;
        try {
            mDiskJournal->settle();
        } catch (const JournalError& error) {
            mState.settledJournals.insert(mDiskJournal->path());
            noteAfterPass(AfterPassNote::What::JournalNotSettled, error.what());
        }
        mDiskJournal.reset();
    }

    // The schematic is renamed; the pass completes only if the layout can follow. Where the
    // ECO file did not reach it, the renames are undone, unless the user keeps them knowingly.
    PassOutcome finish() {
        EcoRows rows;
        rows.renames = mPlan.renames;
        const std::vector<std::string> after = namesAfter(mRead.snapshot.names, mPlan.renames);
        if (const auto probe = probeRows(after, mRead.snapshot.names))
            rows.probe = probe->renames;
        if (const std::optional<host::EcoDelivery> delivery = deliverEco(rows)) {
            switch (delivery->outcome) {
            case host::EcoOutcome::Cancelled:
                if (!keepWithoutEco())
                    return stop(Problem(Problem::Rule::SaveCancelled, mActivity), ByUser::Yes);
                break;
            case host::EcoOutcome::NotDelivered:
                if (const auto* threw = delivery->problem ? std::get_if<host::EcoStepThrew>(
                                                                &delivery->problem->what)
                                                          : nullptr)
                    return stop(Problem(Problem::Rule::EcoStepThrew, mActivity, threw->reason));
                return stop(Problem(Problem::Rule::EcoNotDelivered, mActivity, delivery->message));
            case host::EcoOutcome::Unknown:
                // Whether the layout took the file, the next Run finds out from the journal.
                mDiskJournal.reset();
                noteAfterPass(AfterPassNote::What::EcoUnknown, delivery->message);
                break;
            case host::EcoOutcome::FileLeftOver:
                noteAfterPass(AfterPassNote::What::EcoLeftOver, delivery->message);
                break;
            case host::EcoOutcome::Delivered:
                break;
            }
        }
        PassCompleted completed{
            mPlan, changedNames(mRead.snapshot.names, after), mRead.snapshot.names, mEcoSent, {}};
        keepForPuttingBack(completed.changed);
        closeJournal();
        endPass();
        completed.notes = std::move(mAfterPass);
        if (!mSetAside.empty())
            completed.notes.push_back({AfterPassNote::What::OlderJournalsSetAside, mSetAside});
        return completed;
    }

    // What putting the pass back needs is kept, before its own journal goes: the renames, and
    // where the ECO file went, which the layout's put-back follows.
    void keepForPuttingBack(const std::vector<Rename>& changed) {
        if (!mDiskJournal)
            return;
        CompletedPass kept{mDocument, mRead.snapshot.names.size(), changed, HandOver::None, {}, {}};
        Names after = mRead.snapshot.names;
        for (const Rename& rename : changed)
            after[rename.component.value()] = rename.after;
        kept.namesAfter = namesDigest(after);
        if (mEcoSent && mEcoSent->delivery &&
            host::fileWentSomewhere(mEcoSent->delivery->outcome)) {
            kept.eco = mEcoSent->destination == EcoDestination::PowerPcb ? HandOver::Layout
                                                                         : HandOver::File;
            kept.ecoPath = mEcoSent->path;
        }
        try {
            for (const auto& setAside : keepCompletedPass(mState.journalFolder, kept))
                noteAfterPass(AfterPassNote::What::KeptPassSetAside, setAside.string());
        } catch (const JournalError& error) {
            noteAfterPass(AfterPassNote::What::NotKeptForPuttingBack, error.what());
        }
    }

    // The question waits with PowerLogic let go; putting the names back takes a pass of its
    // own. Should PowerLogic not begin one, the undo still tries, and says what stays.
    bool keepWithoutEco() {
        mPassLock->end();
        if (mPorts.dialogs.keepRenamesWithoutEco(WithoutEcoFile::PassRenames))
            return true;
        try {
            mPassLock->begin();
        } catch (const host::HostFailure&) {
        }
        return false;
    }

    // Recovery must know that the layout may hold the renames before it can; the outcome tells
    // where the file went.
    EcoRows journaled(EcoRows rows, HandOver where) {
        rows.beforeHandOver = [this, where](const std::string& path) {
            mEcoSent->path = path;
            if (mDiskJournal)
                mDiskJournal->markHandedOver(where, path);
        };
        return rows;
    }

    // Nothing when no file was asked for, or PowerPCB had nothing to read.
    std::optional<host::EcoDelivery> deliverEco(const EcoRows& rows) {
        if (mRequest.eco == EcoDestination::None)
            return std::nullopt;
        mEcoSent = EcoSent{mRequest.eco, std::nullopt, {}};
        if (mRequest.eco == EcoDestination::PowerPcb && rows.renames.empty()) {
            mEcoSent->nothingToRead = true;
            return std::nullopt;
        }
        mEcoSent->delivery = handOver(rows);
        return mEcoSent->delivery;
    }

    host::EcoDelivery handOver(const EcoRows& rows) {
        try {
            if (mRequest.eco == EcoDestination::ChosenFile)
                return mPorts.eco.writeToChosenFile(journaled(rows, HandOver::File));
            return mPorts.eco.handToPowerPcb(*mState.application,
                                             journaled(rows, HandOver::Layout));
        } catch (const std::exception& problem) {
            return threw(problem.what());
        } catch (...) {
            return threw({});
        }
    }

    static host::EcoDelivery threw(std::string reason) {
        host::EcoDelivery failed(host::EcoOutcome::NotDelivered);
        failed.problem = host::EcoProblem{host::EcoStepThrew{std::move(reason)}};
        return failed;
    }

    enum class ByUser { No, Yes };

    PassOutcome stop(Problem problem, ByUser byUser = ByUser::No) {
        PassStopped stopped{std::move(problem)};
        stopped.made = mUndo.size();
        stopped.undo = mUndo.undo(&mPorts.progress);
        if (stopped.undo.complete)
            closeJournal();
        else
            stopped.journalKept = mDiskJournal != nullptr;
        stopped.byUser = byUser == ByUser::Yes;
        stopped.eco = mEcoSent;
        stopped.notes = endShort();
        stopped.after = std::move(mAfterPass);
        return stopped;
    }

    PassOutcome refused(Problem problem) {
        RefusedBeforeRenaming refusal{std::move(problem)};
        refusal.notes = endShort();
        return refusal;
    }

    // What ending PowerLogic's pass could not do is told with the stop.
    StopNotes endShort() {
        StopNotes notes{mSetAside, {}};
        if (mPassLock)
            notes.passNotEnded = mPassLock->endQuietly();
        endPass();
        return notes;
    }

    const PassPlan* mPreviewed;
    UndoList mUndo;
    std::unique_ptr<JournalWriter> mDiskJournal;
    std::string mDocument;
    std::optional<EcoSent> mEcoSent;
    std::string mSetAside; // what was said of older journals set aside before the first rename
};

class Preview : private PassFrame {
public:
    using PassFrame::PassFrame;

    PlanPreview run() {
        PlanPreview preview;
        try {
            begin();
            preview.names = mRead.snapshot.names;
            preview.plan = mPlan;
        } catch (const Halt& halt) {
            preview.problem = halt.problem;
        } catch (const PassStop& problem) {
            preview.problem = stoppedBy(problem);
        } catch (const host::HostFailure& failure) {
            preview.problem = failed(failure);
        }
        endPass();
        return preview;
    }
};

} // namespace

PassOutcome runPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                    const PassPlan* previewed) {
    return NumberingPass(state, ports, request, previewed).run();
}

PlanPreview previewPass(HostSession& state, const PassPorts& ports, const PassRequest& request) {
    return Preview(state, ports, request).run();
}

} // namespace sequate::engine

namespace sequate::engine {

const std::vector<Rename>& renamesInEffect(const PassOutcome& outcome) {
    static const std::vector<Rename> none;
    if (const auto* completed = std::get_if<PassCompleted>(&outcome))
        return completed->applied.renames;
    if (const auto* stopped = std::get_if<PassStopped>(&outcome))
        return stopped->undo.stillInEffect;
    return none;
}

const std::optional<EcoSent>& ecoOf(const PassOutcome& outcome) {
    static const std::optional<EcoSent> none;
    if (const auto* completed = std::get_if<PassCompleted>(&outcome))
        return completed->eco;
    if (const auto* stopped = std::get_if<PassStopped>(&outcome))
        return stopped->eco;
    return none;
}

} // namespace sequate::engine
