#include "putbacklastpass.h"

#include "applyrenames.h"
#include "completedpass.h"
#include "componentlist.h"
#include "hostrenames.h"
#include "journalclaims.h"
#include "journalstore.h"
#include "passstop.h"
#include "powerlogicpasslock.h"
#include "recovery.h"
#include "workinglist.h"

#include <algorithm>
#include <map>

namespace sequate::engine {

namespace {

using Names = std::vector<std::string>;
using Rule = PutBackProblem::Rule;

PutBackProblem hostProblem(Rule rule, const std::string& activity,
                           const host::HostFailure& failure) {
    PutBackProblem problem(rule, failure.what());
    problem.activity = activity;
    problem.code = failure.code();
    return problem;
}

// What putting the pass back would do to the schematic as it is now, or why it cannot.
struct Look {
    std::optional<PutBackProblem> refusal;
    ComponentList read;
    std::vector<Rename> renames;
};

class PutBack {
public:
    PutBack(HostSession& state, const PassPorts& ports, const ConfirmPutBack& confirm,
            EcoDestination eco)
        : mState(state), mPorts(ports), mConfirm(confirm), mEco(eco) {}

    PutBackOutcome run() {
        if (!mState.application || !mState.document)
            return tell(PutBackEnd::ProblemAlone, PutBackProblem(Rule::NotAttached));
        try {
            mDocument = mState.document->Name();
        } catch (const host::HostFailure& failure) {
            return tell(PutBackEnd::ProblemAlone,
                        hostProblem(Rule::SchematicUnreachable, mActivity, failure));
        }
        if (const RecoveryOutcome recovered = recoverUnfinishedPass(mState, mPorts, mEco);
            recovered.done || !recovered.passMayFollow) {
            PutBackProblem first(Rule::UnfinishedFirst);
            first.document = mDocument;
            return tell(PutBackEnd::ProblemAlone, first);
        }
        mKeptPasses = completedPassesOf(mState.journalFolder, mDocument);
        if (mKeptPasses.empty()) {
            PutBackProblem none(Rule::NothingKept);
            none.document = mDocument;
            return tell(PutBackEnd::ProblemAlone, none);
        }
        try {
            std::vector<Rename> planned;
            {
                PowerLogicPassLock pass(*mState.application, mPorts.dialogs);
                pass.begin();
                const Look first = look();
                if (first.refusal)
                    return tell(PutBackEnd::NothingChanged, *first.refusal);
                planned = first.renames;
            }
            // PowerLogic is not held while the question waits.
            if (!mConfirm(preview(planned)))
                return PutBackOutcome(PutBackEnd::Declined);
            return apply(planned);
        } catch (const host::HostFailure& failure) {
            return stop(hostProblem(Rule::HostFailed, mActivity, failure));
        } catch (const std::exception& problem) {
            PutBackProblem unexpected(Rule::Unexpected, problem.what());
            unexpected.activity = mActivity;
            return stop(unexpected);
        }
    }

private:
    Look look() {
        mActivity = "reading the schematic's names";
        Look now;
        auto list = allComponents(*mState.document);
        now.read = readComponentList(*list, list->Count());
        const Names& names = now.read.names;
        const KeptPass& last = lastPassOf(names);
        if (mKept.path.empty()) {
            mKept = last;
            mOutcome.passRenames = mKept.pass.renamed.size();
        } else if (last.path != mKept.path) {
            now.refusal = PutBackProblem(Rule::ChangedWhileAsked);
            return now;
        }
        if (!mKept.unreadable.empty()) {
            now.refusal = PutBackProblem(Rule::LastPassUnreadable, mKept.unreadable);
            now.refusal->document = mDocument;
            return now;
        }
        const CompletedPass& pass = mKept.pass;
        if (names.size() != pass.components) {
            now.refusal = PutBackProblem(Rule::ComponentCount);
            now.refusal->now = names.size();
            now.refusal->then = pass.components;
            return now;
        }
        Names target = names;
        std::vector<bool> renamed(names.size(), false);
        for (const Rename& rename : pass.renamed) {
            const std::string& present = names[rename.component.value()];
            if (present != rename.after) {
                now.refusal = PutBackProblem(Rule::RenamedSince);
                now.refusal->rename = rename;
                now.refusal->present = present;
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
                now.refusal = PutBackProblem(Rule::NameTakenSince);
                now.refusal->rename = rename;
                return now;
            }
        SchematicSnapshot snapshot;
        snapshot.names = names;
        PassPlan plan;
        plan.renames = changedNames(names, target);
        now.renames = hostRenames(snapshot, plan);
        return now;
    }

    // The schematic's last pass: the newest kept pass that left the names as they are now, which
    // no pass of another design of the same file name did; else the newest kept under the
    // document's name, which the checks then judge, so that an older pass is never taken for
    // a newer one that was edited since or cannot be read.
    const KeptPass& lastPassOf(const Names& names) const {
        const std::string digest = namesDigest(names);
        for (const KeptPass& kept : mKeptPasses)
            if (kept.unreadable.empty() && kept.pass.namesAfter == digest &&
                kept.pass.components == names.size())
                return kept;
        return mKeptPasses.front();
    }

    // Every renamed component is sent its name once; the renames beyond those go by way of a
    // temporary name.
    PutBackPreview preview(const std::vector<Rename>& renames) const {
        const std::size_t byTemporaryNames =
            renames.size() - std::min(renames.size(), mKept.pass.renamed.size());
        return {mDocument, mKept.pass.renamed, byTemporaryNames, mKept.pass.eco,
                mKept.pass.ecoPath};
    }

    PutBackOutcome apply(const std::vector<Rename>& planned) {
        PowerLogicPassLock pass(*mState.application, mPorts.dialogs);
        pass.begin();
        const Look now = look();
        if (now.refusal)
            return tell(PutBackEnd::NothingChanged, *now.refusal);
        if (now.renames != planned)
            return tell(PutBackEnd::NothingChanged, PutBackProblem(Rule::ChangedWhileAsked));
        if (mKept.pass.eco == HandOver::Layout) {
            mActivity = "reaching the layout in PowerPCB";
            if (std::string problem = mPorts.eco.whyPowerPcbCannotTake(); !problem.empty())
                return tell(PutBackEnd::NothingChanged,
                            PutBackProblem(Rule::PowerPcbCannotTake, std::move(problem)));
        }
        if (planned.empty())
            return done(pass);
        openJournal(now);
        mActivity = "putting the names back";
        try {
            applyRenames({now.read.components, mUndo, mJournal.get()}, planned, mPorts.progress,
                         mActivity);
        } catch (const PassStop& problem) {
            PutBackProblem stopped(Rule::Stopped, problem.what());
            stopped.fault = problem.fault();
            return undo(stopped);
        } catch (const host::HostFailure& failure) {
            return undo(hostProblem(Rule::HostFailed, mActivity, failure));
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
        // The layout follows as it followed the pass, so that a put-back cut short is carried on
        // there too: PowerPCB reads the file, or the user is offered it to read in.
        back.handedOver = mKept.pass.eco;
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
                return undo(PutBackProblem(Rule::SaveCancelled));
            break;
        case host::EcoOutcome::NotDelivered:
            return undo(PutBackProblem(Rule::EcoNotDelivered, delivery.message));
        case host::EcoOutcome::Unknown:
            // Whether the layout took the file, the next Run finds out from the journal, which
            // recovery carries on as any put-back's.
            mJournal.reset();
            break;
        case host::EcoOutcome::FileLeftOver:
        case host::EcoOutcome::Delivered:
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
        mOutcome.end = PutBackEnd::Done;
        return mOutcome;
    }

    // Once the names are as they are to stay, a journal left behind would have the next start
    // carry the put-back on again: where it can be neither removed nor marked, this process
    // remembers it, and the user is told.
    void settle() {
        try {
            mJournal->settle();
        } catch (const JournalError& error) {
            mState.settledJournals.insert(mJournal->path());
            mOutcome.journalNotSettled = error.what();
        }
    }

    // The put-back itself is put back: the last pass's names, and its journal, as they were.
    PutBackOutcome undo(const PutBackProblem& problem) {
        if (mUndone)
            return tell(PutBackEnd::ProblemAlone, problem);
        mUndone = true;
        UndoReport report = mUndo.undo(&mPorts.progress);
        mPorts.progress.observer.progressEnded();
        mOutcome.renames = report.stillInEffect;
        if (!report.complete) {
            mOutcome.undo = std::move(report);
            return tell(PutBackEnd::LeftInEffect, problem);
        }
        settle();
        try {
            keepCompletedPass(mState.journalFolder, mKept.pass);
        } catch (const JournalError& error) {
            mOutcome.passNotKept = error.what();
        }
        return tell(PutBackEnd::TakenBack, problem);
    }

    PutBackOutcome stop(const PutBackProblem& problem) {
        if (mUndo.size() > 0 && mJournal)
            return undo(problem);
        return tell(PutBackEnd::NothingChanged, problem);
    }

    // Told, by whoever shows the outcome, once PowerLogic's pass has ended: no box waits while
    // it is held.
    PutBackOutcome tell(PutBackEnd end, const PutBackProblem& problem) {
        mOutcome.end = end;
        mOutcome.problem = problem;
        return mOutcome;
    }

    HostSession& mState;
    const PassPorts mPorts;
    const ConfirmPutBack& mConfirm;
    const EcoDestination mEco;
    std::string mDocument;
    std::vector<KeptPass> mKeptPasses; // newest first
    KeptPass mKept;                    // the one put back, once chosen
    std::string mActivity = "looking for the last pass";
    UndoList mUndo;
    bool mUndone = false; // undone once: never again
    std::unique_ptr<JournalWriter> mJournal;
    PutBackOutcome mOutcome{PutBackEnd::ProblemAlone};
};

} // namespace

PutBackOutcome putBackLastPass(HostSession& state, const PassPorts& ports,
                               const ConfirmPutBack& confirm, EcoDestination eco) {
    return PutBack(state, ports, confirm, eco).run();
}

} // namespace sequate::engine
