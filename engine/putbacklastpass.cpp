#include "putbacklastpass.h"

#include "applyrenames.h"
#include "completedpass.h"
#include "componentlist.h"
#include "hostrenames.h"
#include "journalclaims.h"
#include "journalstore.h"
#include "passstop.h"
#include "powerlogicpasslock.h"
#include "workinglist.h"

#include <map>

namespace sequate::engine {

namespace {

using Names = std::vector<std::string>;

// What putting the pass back would do to the schematic as it is now, or why it cannot.
struct Look {
    std::optional<std::string> refusal;
    ComponentList read;
    std::vector<Rename> renames;
};

constexpr std::size_t previewRows = 12;

class PutBack {
public:
    PutBack(HostSession& state, const PassPorts& ports, const ConfirmPutBack& confirm)
        : mState(state), mPorts(ports), mConfirm(confirm) {}

    PutBackOutcome run() {
        if (!mState.application || !mState.document)
            return tell(MessageKind::Failure,
                        "Sequate is not attached to a PowerLogic document: start-up did not "
                        "complete. Close Sequate and start it again once PowerLogic has a project "
                        "open.");
        try {
            mDocument = mState.document->Name();
        } catch (const host::HostFailure& failure) {
            return tell(MessageKind::Failure, schematicUnreachable(failure));
        }
        const std::vector<KeptPass> kept = completedPassesOf(mState.journalFolder, mDocument);
        if (kept.empty())
            return tell(MessageKind::Refusal, "No completed pass of " + mDocument +
                                                  " is kept, so there is no pass to put back.");
        mKept = kept.front();
        try {
            std::vector<Rename> planned;
            {
                PowerLogicPassLock pass(*mState.application, mPorts.dialogs);
                pass.begin();
                const Look first = look();
                if (first.refusal)
                    return tell(MessageKind::Refusal, *first.refusal + nothingChanged);
                planned = first.renames;
            }
            // PowerLogic is not held while the question waits.
            if (!mConfirm(previewText(planned)))
                return {};
            return apply(planned);
        } catch (const host::HostFailure& failure) {
            return stop("Putting back the last pass stopped while " + mActivity + ": " +
                        describeFailure(failure) + ".");
        } catch (const std::exception& problem) {
            return stop("Putting back the last pass stopped while " + mActivity + ": " +
                        problem.what());
        }
    }

private:
    static constexpr const char* nothingChanged = "\n\nNothing was changed.";

    Look look() {
        mActivity = "reading the schematic's names";
        Look now;
        auto list = allComponents(*mState.document);
        now.read = readComponentList(*list, list->Count());
        const Names& names = now.read.names;
        const CompletedPass& pass = mKept.pass;
        if (names.size() != pass.components) {
            now.refusal = "The schematic has " + std::to_string(names.size()) +
                          " components now and had " + std::to_string(pass.components) +
                          " when the last pass completed, so that pass cannot be put back.";
            return now;
        }
        Names target = names;
        std::vector<bool> renamed(names.size(), false);
        for (const Rename& rename : pass.renamed) {
            const std::string& present = names[rename.component.value()];
            if (present != rename.after) {
                now.refusal = "The last pass renamed " + rename.before + " to " + rename.after +
                              ", which has been renamed to " + present +
                              " since, so that pass cannot be put back.";
                return now;
            }
            target[rename.component.value()] = rename.before;
            renamed[rename.component.value()] = true;
        }
        std::map<std::string, std::size_t> others;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!renamed[i])
                others.emplace(names[i], i);
        for (const Rename& rename : pass.renamed)
            if (others.count(rename.before)) {
                now.refusal = "Another component has been named " + rename.before +
                              " since the last pass, which took that name from the component "
                              "now named " +
                              rename.after + ", so that pass cannot be put back.";
                return now;
            }
        SchematicSnapshot snapshot;
        snapshot.names = names;
        PassPlan plan;
        plan.renames = changedNames(names, target);
        now.renames = hostRenames(snapshot, plan);
        return now;
    }

    std::string previewText(const std::vector<Rename>& renames) const {
        std::string text = "Put back the last pass on " + mDocument + "? " +
                           std::to_string(mKept.pass.renamed.size()) +
                           " components get back the names they had before it:";
        for (std::size_t i = 0; i < mKept.pass.renamed.size() && i < previewRows; ++i)
            text += "\n" + mKept.pass.renamed[i].after + " to " + mKept.pass.renamed[i].before;
        if (mKept.pass.renamed.size() > previewRows)
            text +=
                "\n... and " + std::to_string(mKept.pass.renamed.size() - previewRows) + " more.";
        if (const std::size_t ring = renames.size() - mKept.pass.renamed.size(); ring > 0)
            text += "\n" + std::to_string(ring) +
                    " of them go by way of a temporary name, as their names go round.";
        switch (mKept.pass.eco) {
        case HandOver::Layout:
            text += "\n\nThe pass's ECO file reached the layout, so PowerPCB then reads the file "
                    "that puts the layout back too.";
            break;
        case HandOver::File:
            text += "\n\nThe pass's ECO file went to \"" + mKept.pass.ecoPath +
                    "\": the file that puts the layout back is offered in the save dialog.";
            break;
        case HandOver::None:
            text += "\n\nThe pass wrote no ECO file, so only the schematic changes.";
            break;
        }
        return text;
    }

    PutBackOutcome apply(const std::vector<Rename>& planned) {
        PowerLogicPassLock pass(*mState.application, mPorts.dialogs);
        pass.begin();
        const Look now = look();
        if (now.refusal)
            return tell(MessageKind::Refusal, *now.refusal + nothingChanged);
        if (now.renames != planned)
            return tell(MessageKind::Refusal,
                        "The schematic changed while the question was open, so the last pass "
                        "was not put back. Choose Pass > Put back the last pass again to see "
                        "what it would do now." +
                            std::string(nothingChanged));
        if (mKept.pass.eco == HandOver::Layout) {
            mActivity = "reaching the layout in PowerPCB";
            if (const std::string problem = mPorts.eco.whyPowerPcbCannotTake(); !problem.empty())
                return tell(MessageKind::Refusal,
                            problem +
                                "\n\nThe last pass's ECO file reached the layout, so the "
                                "layout must be put back too: start PowerPCB with the "
                                "layout open and choose Pass > Put back the last pass "
                                "again." +
                                nothingChanged);
        }
        if (planned.empty())
            return done(pass);
        openJournal(now);
        mActivity = "putting the names back";
        try {
            applyRenames({now.read.components, mUndo, mJournal.get()}, planned, mPorts.progress,
                         mActivity);
        } catch (const PassStop& problem) {
            return undo(problem.what());
        } catch (const host::HostFailure& failure) {
            return undo("Putting back the last pass stopped while " + mActivity + ": " +
                        describeFailure(failure) + ".");
        }
        mOutcome.renames = planned;
        return handOver(pass, now.read.names, planned);
    }

    // Journaled as recovery journals a put-back, so that a put-back cut short is carried on at
    // the next start, the layout included. The pass's own journal goes first: once the
    // put-back may be under way, the pass is no longer the last to put back.
    void openJournal(const Look& now) {
        mActivity = "writing the journal of the put-back";
        RenameJournal back;
        back.document = mDocument;
        back.kind = JournalKind::PutBack;
        back.components = now.read.names.size();
        back.namesBefore = now.read.names;
        back.renames = now.renames;
        if (mKept.pass.eco == HandOver::Layout)
            back.handedOver = HandOver::Layout;
        mJournal = std::make_unique<JournalWriter>(journalPath(mState.journalFolder, back), back);
        std::error_code ignored;
        std::filesystem::remove(mKept.path, ignored);
    }

    PutBackOutcome handOver(PowerLogicPassLock& pass, const Names& before,
                            const std::vector<Rename>& renames) {
        if (mKept.pass.eco == HandOver::None)
            return done(pass);
        mActivity = "handing over the ECO file that puts the layout back";
        EcoRows rows;
        rows.renames = renames;
        // A failed answer of PowerPCB is found out as a pass's is.
        if (const auto probe = probeRows(namesAfter(before, renames), before))
            rows.probe = probe->renames;
        const HandOver where = mKept.pass.eco;
        mOutcome.eco = EcoSent{where == HandOver::Layout ? EcoDestination::PowerPcb
                                                         : EcoDestination::ChosenFile,
                               host::EcoOutcome::NotDelivered,
                               {}};
        rows.beforeHandOver = [this, where](const std::string& path) {
            mOutcome.eco->path = path;
            mJournal->markHandedOver(where, path);
        };
        host::EcoDelivery delivery(host::EcoOutcome::NotDelivered);
        if (where == HandOver::Layout) {
            delivery = mPorts.eco.handToPowerPcb(*mState.application, rows);
        } else {
            rows.caption = "Save the ECO file that puts back the last pass";
            delivery = mPorts.eco.writeToChosenFile(rows);
        }
        mOutcome.eco->delivery = delivery;
        switch (delivery.outcome) {
        case host::EcoOutcome::Cancelled:
            if (!keepWithoutEco(pass))
                return undo("No ECO file was written: the save dialog was cancelled.");
            break;
        case host::EcoOutcome::NotDelivered:
            return undo(delivery.message);
        case host::EcoOutcome::Unknown:
            // Whether the layout took the file, the next Run finds out from the journal, which
            // recovery carries on as any put-back's.
            mJournal.reset();
            mNote = "\n\n" + delivery.message;
            break;
        case host::EcoOutcome::FileLeftOver:
            mNote = "\n\n" + delivery.message;
            break;
        case host::EcoOutcome::Delivered:
            mNote = where == HandOver::Layout ? "\n\nThe layout in PowerPCB is put back too."
                                              : "\n\nThe ECO file that puts the layout back is \"" +
                                                    mOutcome.eco->path + "\".";
            break;
        }
        return done(pass);
    }

    // The question waits with PowerLogic let go; taking the put-back back takes a pass of its own.
    bool keepWithoutEco(PowerLogicPassLock& pass) {
        pass.end();
        const bool keep = mPorts.dialogs.keepRenamesWithoutEco(WithoutEcoFile::PutBack);
        if (!keep) {
            try {
                pass.begin();
            } catch (const host::HostFailure&) {
            }
        }
        return keep;
    }

    PutBackOutcome done(PowerLogicPassLock& pass) {
        if (mJournal)
            settle();
        else {
            std::error_code ignored;
            std::filesystem::remove(mKept.path, ignored);
        }
        pass.end();
        mPorts.progress.observer.progressEnded();
        mOutcome.done = true;
        return tell(MessageKind::Information,
                    "The last pass is put back: " + std::to_string(mKept.pass.renamed.size()) +
                        " components have the names they had before it." + mNote);
    }

    // Once the names are as they are to stay, a journal left behind would have the next start
    // carry the put-back on again: where it can be neither removed nor marked, this process
    // remembers it, and the user is told.
    void settle() {
        try {
            mJournal->settle();
        } catch (const JournalError& error) {
            mState.settledJournals.insert(mJournal->path());
            mNote += "\n\n" + std::string(error.what()) +
                     " Remove that file once there is room on the disk.";
        }
    }

    // The put-back itself is put back: the last pass's names, and its journal, as they were.
    PutBackOutcome undo(const std::string& problem) {
        if (mUndone)
            return tell(MessageKind::Failure, problem);
        mUndone = true;
        const UndoReport report = mUndo.undo(&mPorts.progress);
        mPorts.progress.observer.progressEnded();
        mOutcome.renames = report.stillInEffect;
        if (!report.complete) {
            std::string text = problem +
                               "\n\nTaking the put-back back failed too: " + report.failure +
                               ". These renames are still in effect:";
            for (const Rename& rename : report.stillInEffect)
                text += "\n" + rename.before + " to " + rename.after;
            return tell(MessageKind::Failure,
                        text + "\n\nSequate keeps a journal of the put-back: the next Run, or the "
                               "next start of Sequate, carries it on.");
        }
        settle();
        try {
            keepCompletedPass(mState.journalFolder, mKept.pass);
        } catch (const JournalError& error) {
            mNote += "\n\n" + std::string(error.what());
        }
        return tell(MessageKind::Failure,
                    problem +
                        "\n\nEvery name the put-back had changed is back: the schematic "
                        "is as the last pass left it, which can still be put back." +
                        mNote);
    }

    PutBackOutcome stop(const std::string& problem) {
        if (mUndo.size() > 0 && mJournal)
            return undo(problem);
        return tell(MessageKind::Failure, problem + nothingChanged);
    }

    // Said, by whoever shows the outcome, once PowerLogic's pass has ended: no box waits while
    // it is held.
    PutBackOutcome tell(MessageKind kind, const std::string& message) {
        mOutcome.message = message;
        mOutcome.kind = kind;
        return mOutcome;
    }

    HostSession& mState;
    const PassPorts mPorts;
    const ConfirmPutBack& mConfirm;
    std::string mDocument;
    KeptPass mKept;
    std::string mActivity = "looking for the last pass";
    std::string mNote;
    UndoList mUndo;
    bool mUndone = false; // undone once: never again
    std::unique_ptr<JournalWriter> mJournal;
    PutBackOutcome mOutcome;
};

} // namespace

PutBackOutcome putBackLastPass(HostSession& state, const PassPorts& ports,
                               const ConfirmPutBack& confirm) {
    return PutBack(state, ports, confirm).run();
}

} // namespace sequate::engine
