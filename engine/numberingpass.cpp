#include "numberingpass.h"

#include "applyrenames.h"
#include "completedpass.h"
#include "host/partnamerules.h"
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

std::string undoText(const UndoReport& undo, std::size_t made) {
    if (undo.complete && made == 0)
        return "No name had been changed yet.";
    if (undo.complete && made == 1)
        return "The rename this pass had made was undone: every name is as it was before.";
    if (undo.complete)
        return "The " + std::to_string(made) +
               " renames this pass had made were undone: every name is as it was before.";
    std::string text = "Undoing the renames of this pass failed too: " + undo.failure + ".";
    if (undo.hostLost)
        text += " PowerLogic stopped answering, so the older renames were not tried. Calls it was "
                "still holding may yet take effect when it answers again: check these names in "
                "the schematic then. These renames may still be in effect:";
    else
        text += " These renames are still in effect:";
    for (const Rename& rename : undo.stillInEffect)
        text += "\n" + rename.before + " to " + rename.after;
    return text;
}

constexpr const char* keepWithoutEcoQuestion =
    "No ECO file was written, so the layout will not get this pass's renames.\n\n"
    "Put the names back, so that schematic and layout stay in step, or keep the renames without "
    "an ECO file?";

constexpr const char* journalKeptForLayout =
    "Sequate keeps the journal of this pass: the next Run, with PowerPCB running and the layout "
    "open, finds out whether the layout took the renames and brings it in step.";

// A stop found by the plan comes before any rename.
class PlannedStop : public PassStop {
public:
    using PassStop::PassStop;
};

// The frame every pass and preview shares: PowerLogic's pass around the work, the read, and
// the messages that name what the pass was doing when a call failed.
class PassFrame {
public:
    PassFrame(HostSession& state, const PassPorts& ports, const PassRequest& request)
        : mState(state), mPorts(ports), mRequest(request) {}

protected:
    void begin() {
        if (!mState.application || !mState.document)
            throw PassStop("Sequate is not attached to a PowerLogic document: start-up did not "
                           "complete. Close Sequate and start it again once PowerLogic has a "
                           "project open.");
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

    std::string failureText(const host::HostFailure& failure) const {
        return "The pass stopped while " + mActivity + ": " + describeFailure(failure) + ".";
    }

    std::string problemText(const std::exception& problem) const {
        return "The pass stopped while " + mActivity +
               " because of an unexpected problem: " + problem.what() + ".";
    }

    // PowerLogic is let go before any box waits for the user: what the pass has to say is
    // told once its pass has ended.
    void endPass() {
        if (mPassLock)
            mPassLock->end();
        mPorts.progress.setValue(0);
        for (const auto& [kind, text] : std::exchange(mAfterPass, {}))
            mPorts.dialogs.showMessage(kind, "Sequate", text);
    }

    void tellAfterPass(MessageKind kind, const std::string& text) {
        mAfterPass.emplace_back(kind, text);
    }

    HostSession& mState;
    const PassPorts mPorts;
    const PassRequest mRequest;
    SchematicRead mRead;
    PassPlan mPlan;
    std::optional<PowerLogicPassLock> mPassLock;
    std::string mActivity;
    std::vector<std::pair<MessageKind, std::string>> mAfterPass;
};

class NumberingPass : private PassFrame {
public:
    NumberingPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                  const PassPlan* previewed)
        : PassFrame(state, ports, request), mPreviewed(previewed) {}

    PassResult run() {
        try {
            begin();
            if (mPreviewed &&
                (mPlan.renames != mPreviewed->renames || mPlan.unnamed != mPreviewed->unnamed ||
                 mPlan.stop != mPreviewed->stop)) {
                PassResult result;
                result.newPlan = mPlan;
                result.namesRead = mRead.snapshot.names;
                endPass();
                return result;
            }
            if (mPlan.stop)
                throw PlannedStop(*mPlan.stop);
            checkTheLayoutCanFollow();
            apply();
            // The last moment a stop puts everything back: once the ECO file is handed over,
            // the layout may hold the renames.
            stopIfAsked(mPorts.progress);
        } catch (const PlannedStop& problem) {
            return stopWith(std::string(problem.what()) +
                            "\n\nNo name had been changed yet: the pass checks its renames before "
                            "it makes the first, so nothing had to be undone.");
        } catch (const StoppedByUser& stopped) {
            return stop(stopped.what(), ByUser::Yes);
        } catch (const PassStop& problem) {
            return stop(problem.what());
        } catch (const host::HostFailure& failure) {
            return stop(failureText(failure));
        } catch (const std::exception& problem) {
            return stop(problemText(problem));
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
            if (const std::size_t count = carriers[rename.before]; count > 1)
                throw PlannedStop(rename.before + " is the name of " + std::to_string(count) +
                                  " components in the schematic, so an ECO file that renames it "
                                  "cannot be read into the layout: PowerPCB could not tell which "
                                  "part is meant. Give each of them a name of its own in "
                                  "PowerLogic first, then press Run again.");
            if (const std::string problem = host::layoutNameProblem(rename.before);
                !problem.empty())
                throw PlannedStop("The ECO file for the layout cannot name " + rename.before +
                                  ": " + problem + ".");
            if (const std::string problem = host::layoutNameProblem(rename.after); !problem.empty())
                throw PlannedStop(rename.before + " would be renamed to " + rename.after +
                                  ", which the layout cannot carry: " + problem + ".");
        }
        // A pass that changes nothing asks nothing of PowerPCB.
        if (mRequest.eco != EcoDestination::PowerPcb || mPlan.renames.empty())
            return;
        mActivity = "reaching the layout in PowerPCB";
        if (const std::string problem = mPorts.eco.whyPowerPcbCannotTake(); !problem.empty())
            throw PlannedStop(problem + "\n\nOr choose \"Write only\", to write the ECO file to "
                                        "a file you choose.");
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
            throw PlannedStop(error.what());
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
            tellAfterPass(MessageKind::Failure,
                          std::string(error.what()) +
                              "\n\nThe pass itself is settled. Remove that file once there "
                              "is room on the disk: until then, the next start of Sequate "
                              "asks about this pass again, and \"Keep as it is\" is the "
                              "answer that leaves it as it is now.");
        }
        mDiskJournal.reset();
    }

    // The schematic is renamed; the pass completes only if the layout can follow. Where the
    // ECO file did not reach it, the renames are undone, unless the user keeps them knowingly.
    PassResult finish() {
        EcoRows rows;
        rows.renames = mPlan.renames;
        const std::vector<std::string> after = namesAfter(mRead.snapshot.names, mPlan.renames);
        if (const auto probe = probeRows(after, mRead.snapshot.names))
            rows.probe = probe->renames;
        const host::EcoDelivery delivery = deliverEco(rows);
        switch (delivery.outcome) {
        case host::EcoOutcome::Cancelled:
            if (!keepWithoutEco())
                return stop("No ECO file was written: the save dialog was cancelled.", ByUser::Yes);
            break;
        case host::EcoOutcome::NotDelivered:
            return stop(delivery.message);
        case host::EcoOutcome::Unknown:
            // Whether the layout took the file, the next Run finds out from the journal.
            mDiskJournal.reset();
            tellAfterPass(MessageKind::Failure, delivery.message + "\n\n" + journalKeptForLayout);
            break;
        case host::EcoOutcome::FileLeftOver:
            tellAfterPass(MessageKind::Failure, delivery.message);
            break;
        case host::EcoOutcome::Delivered:
            break;
        }
        PassResult result;
        result.completed = true;
        result.changed = changedNames(mRead.snapshot.names, after);
        result.namesRead = mRead.snapshot.names;
        result.applied = mPlan;
        result.unnamed = mPlan.unnamed;
        result.eco = mEcoSent;
        keepForPuttingBack(result.changed);
        closeJournal();
        endPass();
        if (!mSetAside.empty())
            mPorts.dialogs.showMessage(MessageKind::Failure, "Sequate", mSetAside);
        return result;
    }

    // What putting the pass back needs is kept, before its own journal goes: the renames, and
    // where the ECO file went, which the layout's put-back follows.
    void keepForPuttingBack(const std::vector<Rename>& changed) {
        if (!mDiskJournal)
            return;
        CompletedPass kept{mDocument, mRead.snapshot.names.size(), changed, HandOver::None, {}};
        if (mEcoSent && host::fileWentSomewhere(mEcoSent->delivery.outcome)) {
            kept.eco = mEcoSent->destination == EcoDestination::PowerPcb ? HandOver::Layout
                                                                         : HandOver::File;
            kept.ecoPath = mEcoSent->path;
        }
        try {
            keepCompletedPass(mState.journalFolder, kept);
        } catch (const JournalError& error) {
            tellAfterPass(MessageKind::Failure,
                          std::string(error.what()) +
                              "\n\nThe pass itself is complete, but Pass > Put back the last "
                              "pass cannot take it back.");
        }
    }

    // The question waits with PowerLogic let go; putting the names back takes a pass of its
    // own. Should PowerLogic not begin one, the undo still tries, and says what stays.
    bool keepWithoutEco() {
        mPassLock->end();
        if (mPorts.dialogs.keepRenamesWithoutEco(keepWithoutEcoQuestion))
            return true;
        try {
            mPassLock->begin();
        } catch (const host::HostFailure&) {
        }
        return false;
    }

    // Recovery must know that the layout may hold the renames before it can; the result tells
    // where the file went.
    EcoRows journaled(EcoRows rows, HandOver where) {
        rows.beforeHandOver = [this, where](const std::string& path) {
            mEcoSent->path = path;
            if (mDiskJournal)
                mDiskJournal->markHandedOver(where, path);
        };
        return rows;
    }

    host::EcoDelivery deliverEco(const EcoRows& rows) {
        if (mRequest.eco == EcoDestination::None)
            return {host::EcoOutcome::Delivered};
        mEcoSent = EcoSent{mRequest.eco, host::EcoOutcome::NotDelivered, {}};
        if (mRequest.eco == EcoDestination::PowerPcb && rows.renames.empty()) {
            mEcoSent->nothingToRead = true;
            mEcoSent->delivery = {host::EcoOutcome::Delivered};
            return mEcoSent->delivery;
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
            return {host::EcoOutcome::NotDelivered,
                    std::string("The ECO file could not be written: ") + problem.what() + "."};
        } catch (...) {
            return {host::EcoOutcome::NotDelivered,
                    "The ECO file could not be written: an unexpected problem."};
        }
    }

    enum class ByUser { No, Yes };

    PassResult stop(const std::string& problem, ByUser byUser = ByUser::No) {
        const std::size_t made = mUndo.size();
        UndoReport undo = mUndo.undo(&mPorts.progress);
        std::string message = problem + "\n\n" + undoText(undo, made);
        if (undo.complete)
            closeJournal();
        else if (mDiskJournal)
            message += "\n\nSequate keeps a journal of this pass: the next Run, or the next start "
                       "of Sequate, offers to put these names back.";
        return stopWith(message, std::move(undo), byUser);
    }

    // A stop the user chose that left every name as it was is an outcome, not a failure. What
    // ending PowerLogic's pass could not do is told in the same box.
    PassResult stopWith(const std::string& message, UndoReport undo = {},
                        ByUser byUser = ByUser::No) {
        PassResult result;
        result.stopMessage = message + (mSetAside.empty() ? "" : "\n\n" + mSetAside);
        result.byUser = byUser == ByUser::Yes;
        const bool asItWas = undo.complete;
        result.stillInEffect = std::move(undo.stillInEffect);
        result.eco = mEcoSent;
        if (mPassLock)
            if (const std::string notEnded = mPassLock->endQuietly(); !notEnded.empty())
                result.stopMessage += "\n\n" + notEnded;
        const MessageKind kind =
            result.byUser && asItWas ? MessageKind::Information : MessageKind::Failure;
        mPorts.dialogs.showMessage(kind, "Sequate", result.stopMessage);
        endPass();
        return result;
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
        } catch (const PassStop& problem) {
            preview.plan.stop = problem.what();
        } catch (const host::HostFailure& failure) {
            preview.plan.stop = failureText(failure);
        }
        endPass();
        return preview;
    }
};

} // namespace

PassResult runPass(HostSession& state, const PassPorts& ports, const PassRequest& request,
                   const PassPlan* previewed) {
    return NumberingPass(state, ports, request, previewed).run();
}

PlanPreview previewPass(HostSession& state, const PassPorts& ports, const PassRequest& request) {
    return Preview(state, ports, request).run();
}

} // namespace sequate::engine
