#include "recovery.h"

#include "applyrenames.h"
#include "componentlist.h"
#include "hostrenames.h"
#include "journalclaims.h"
#include "journalstore.h"
#include "passstop.h"
#include "powerlogicpasslock.h"
#include "startup.h"
#include "workinglist.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <utility>

namespace sequate::engine {

namespace {

namespace fs = std::filesystem;

using DocumentRead = ComponentList;

// The renames that take the schematic from one set of names to another, each component once,
// in an order in which no rename meets a name another component still carries.
std::vector<Rename> renamesBetween(const Names& from, const Names& to) {
    SchematicSnapshot snapshot;
    snapshot.names = from;
    PassPlan plan;
    plan.renames = changedNames(from, to);
    return hostRenames(snapshot, plan);
}

EcoRows ecoRows(const std::vector<Rename>& renames) {
    EcoRows rows;
    rows.renames = renames;
    return rows;
}

bool layoutHasIt(const host::EcoDelivery& delivery) {
    return delivery.outcome == host::EcoOutcome::Delivered ||
           delivery.outcome == host::EcoOutcome::FileLeftOver;
}

class Recovery {
public:
    Recovery(HostSession& state, const PassPorts& ports, EcoDestination eco,
             std::optional<RecoveryChoice> choice, bool beforeAPass)
        : mState(state), mPorts(ports), mEco(eco), mChoice(choice), mBeforeAPass(beforeAPass) {}

    RecoveryOutcome run() {
        if (!mState.application || !mState.document)
            return {};
        mState.keptRenamesWaiting = 0;
        std::string document;
        try {
            document = documentName();
        } catch (const host::HostFailure& failure) {
            tell(schematicUnreachable(failure));
            mOutcome.passMayFollow = false;
            return finish();
        }
        try {
            recover(document);
        } catch (const host::HostFailure& failure) {
            tell(unsettled(mActivity + ": " + describeFailure(failure) + "."));
        } catch (const std::exception& problem) {
            tell(unsettled(mActivity + ": " + problem.what()));
        }
        return finish();
    }

private:
    // PowerLogic is let go before the first box: every message waits for the end of its pass.
    RecoveryOutcome finish() {
        endPowerLogicPassLock();
        if (mOutcome.done == RecoveryChoice::Keep && !mSettled)
            mState.keptRenamesWaiting = mOutcome.staying.size();
        if (!mOutcome.passMayFollow) // the schematic is out of reach: its message says so
            return tellAll();
        mOutcome.passMayFollow = mPath.empty() || (mSettled && !mAsked);
        if (mBeforeAPass && !mOutcome.passMayFollow)
            sayWhyNoPass();
        return tellAll();
    }

    RecoveryOutcome tellAll() {
        for (const auto& [kind, text] : std::exchange(mTold, {}))
            mPorts.dialogs.showMessage(kind, "Sequate", text);
        return mOutcome;
    }

    void sayWhyNoPass() {
        const std::string why =
            "The pass you asked for did not run: " +
            std::string(mAsked ? "look at the schematic as it is now, then press Run again."
                               : "the renames of the pass that was cut short must first reach "
                                 "the layout, or be put back.");
        if (mTold.empty())
            mTold.emplace_back(MessageKind::Information, why);
        else
            mTold.back().second += "\n\n" + why;
        mOutcome.message += (mOutcome.message.empty() ? "" : "\n\n") + why;
    }

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

    void endPowerLogicPassLock() {
        if (!mPassLock)
            return;
        if (const std::string said = mPassLock->endQuietly(); !said.empty())
            tell(said);
        mPassLock.reset();
    }

    // A question waits with PowerLogic let go. The user may edit the schematic meanwhile: the
    // names are read again in a pass of Sequate's, and only names as they were at the question
    // are acted on.
    template <typename Question>
    auto askLettingGo(const Names& asked, Question question) {
        endPowerLogicPassLock();
        const auto answer = question();
        beginPowerLogicPassLock();
        mRead = readDocument();
        if (mRead.names == asked)
            return answer;
        throw SchematicChanged();
    }

    struct SchematicChanged {};

    void recover(const std::string& document) {
        std::vector<std::pair<fs::path, RenameJournal>> unfinished;
        std::error_code ignored; // a finished journal is only tidied away
        for (const fs::path& path : journalsOf(mState.journalFolder, document)) {
            if (mState.settledJournals.count(path))
                continue;
            try {
                RenameJournal journal = readJournal(path);
                if (journal.document != document)
                    continue;
                if (journal.finished)
                    fs::remove(path, ignored);
                else
                    unfinished.emplace_back(path, std::move(journal));
            } catch (const JournalError& error) {
                tell(std::string(error.what()) + setAside(path));
            }
        }
        if (unfinished.empty())
            return;
        mActivity = "reading the schematic's names";
        beginPowerLogicPassLock();
        mRead = readDocument();
        for (auto& [path, journal] : unfinished) {
            if (!belongsTo(journal, mRead.names) || atRest(journal, mRead.names))
                continue;
            mPath = path;
            mOutcome.found = true;
            try {
                settle(journal);
            } catch (const SchematicChanged&) {
                tell("The schematic changed in PowerLogic while Sequate's question was open, so "
                     "Sequate left it as it is. The journal of the pass that was cut short stays: "
                     "the next Run asks again.");
            }
            setAsideOthersClaiming(document);
            break;
        }
    }

    void settle(const RenameJournal& journal) {
        switch (journal.kind) {
        case JournalKind::PutBack:
            mOutcome.done = RecoveryChoice::PutBack;
            putBack(journal, namesAfter(journal, mRead.names));
            return;
        case JournalKind::Keep:
            mOutcome.done = RecoveryChoice::Keep;
            keep(journal);
            return;
        case JournalKind::Pass:
            break;
        }
        RecoveryChoice choice;
        if (mChoice) {
            choice = *mChoice;
        } else {
            mAsked = true;
            const Names asked = mRead.names;
            choice = askLettingGo(asked, [&] { return ask(journal, asked); });
        }
        mOutcome.done = choice;
        if (choice == RecoveryChoice::PutBack)
            putBack(journal, namesBefore(journal, mRead.names));
        else
            keep(journal);
    }

    DocumentRead readDocument() {
        auto list = allComponents(*mState.document);
        return readComponentList(*list, list->Count());
    }

    RecoveryChoice ask(const RenameJournal& journal, const Names& now) {
        const Names before = namesBefore(journal, now);
        std::set<ComponentIndex> renamed;
        for (const Rename& rename : journal.renames)
            renamed.insert(rename.component);
        std::size_t inEffect = 0;
        for (std::size_t i = 0; i < now.size(); ++i)
            inEffect += now[i] != before[i];
        std::string question =
            "The last pass on " +
            (journal.document.empty() ? std::string("this schematic") : journal.document) +
            " was cut short: " + std::to_string(inEffect) + " of its " +
            std::to_string(renamed.size()) + " renames are in effect, and " +
            (journal.handedOver == HandOver::Layout
                 ? "PowerPCB was reading their ECO file, so the layout may hold them too."
                 : "the layout has none of them.") +
            "\n\nPut the schematic back as it was before that pass? Keeping it as it is offers "
            "an ECO file of the renames in effect.";
        return mPorts.dialogs.putBackUnfinishedPass(question) ? RecoveryChoice::PutBack
                                                              : RecoveryChoice::Keep;
    }

    // Puts the names back, with the put-back itself journaled first (temporary names included),
    // so that a put-back cut short is carried on at the next Run; then the layout follows.
    void putBack(const RenameJournal& journal, const Names& target) {
        const DocumentRead& read = mRead;
        mActivity = "planning how to put the names back";
        const std::vector<Rename> renames = renamesBetween(read.names, target);
        RenameJournal back;
        back.document = journal.document;
        back.kind = JournalKind::PutBack;
        back.components = read.names.size();
        back.namesBefore = read.names;
        back.renames = renames;
        if (journal.handedOver == HandOver::Layout) {
            back.handedOver = HandOver::Layout;
            back.handOverPath = journal.handOverPath;
        }
        mActivity = "writing the journal of the put-back";
        JournalWriter writer(mPath, back);
        mPutBackBegun = true;
        UndoList undo;
        applyRenames({read.components, undo, &writer}, renames, mPorts.progress, mActivity,
                     ProgressPhase::PuttingBack);
        mNamesLeft = target;
        mPorts.progress.setValue(0);
        std::string message = "The " + std::to_string(renames.size()) +
                              " renames of the pass that was cut short were undone: every name "
                              "is as it was before that pass.";
        if (journal.handedOver == HandOver::File)
            message += "\n\nThat pass was writing its ECO file \"" + journal.handOverPath +
                       "\": if it is there, do not read it into the layout, since its renames "
                       "are undone.";
        // A put-back carried on follows in the layout from the names it began with, which the
        // layout holds if it took the file, not from where the put-back was cut short.
        const Names layoutFrom =
            journal.kind == JournalKind::PutBack ? namesBefore(journal, read.names) : read.names;
        if (back.handedOver == HandOver::Layout && !followInLayout(layoutFrom, target, writer)) {
            tell(message);
            return;
        }
        settleWith(writer);
        tell(message + mLayoutNote, MessageKind::Information);
    }

    // Keeps the names, and hands the layout the renames that stay, as the window's ECO options
    // say; the journal is settled only once the layout has them, or the user knowingly goes
    // without.
    void keep(const RenameJournal& journal) {
        // The journal of the renames kept is closed before the put-back's replaces it: Windows
        // keeps an open file in place.
        if (handOverKept(journal))
            putBack(journal, namesBefore(journal, mRead.names));
    }

    // True when the user chose to put the names back instead.
    bool handOverKept(const RenameJournal& journal) {
        const Names now = mRead.names;
        const Names before = namesBefore(journal, now);
        mNamesLeft = now;
        mActivity = "working out the renames that stay";
        const std::vector<Rename> renames = renamesBetween(before, now);
        mOutcome.staying = renames;
        RenameJournal kept;
        kept.document = journal.document;
        kept.kind = JournalKind::Keep;
        kept.components = now.size();
        kept.namesBefore = before;
        kept.renames = renames;
        kept.done = renames.size();
        kept.handedOver = journal.handedOver;
        kept.handOverPath = journal.handOverPath;
        mActivity = "writing the journal of the renames that stay";
        JournalWriter writer(mPath, kept);
        if (journal.handedOver == HandOver::Layout) {
            if (followInLayout(before, now, writer))
                settleWith(writer, mLayoutNote, MessageKind::Information);
            return false;
        }
        mActivity = "handing over the ECO file of the renames that stay";
        EcoRows rows = ecoRows(renames);
        host::EcoDelivery delivery(host::EcoOutcome::NotDelivered);
        if (mEco == EcoDestination::PowerPcb) {
            rows.beforeHandOver = [&](const std::string& path) {
                writer.markHandedOver(HandOver::Layout, path);
            };
            delivery = mPorts.eco.handToPowerPcb(*mState.application, rows);
        } else {
            rows.caption = "Save the ECO file of the renames kept from the pass that was cut short";
            rows.beforeHandOver = [&](const std::string& path) {
                writer.markHandedOver(HandOver::File, path);
            };
            delivery = mPorts.eco.writeToChosenFile(rows);
        }
        switch (delivery.outcome) {
        case host::EcoOutcome::Delivered:
            settleWith(writer);
            return false;
        case host::EcoOutcome::FileLeftOver:
            settleWith(writer, "\n\n" + delivery.message);
            return false;
        case host::EcoOutcome::Cancelled:
            // The same question, and the same answers, as after a pass's save dialog.
            if (askLettingGo(now, [&] {
                    return mPorts.dialogs.keepRenamesWithoutEco(
                        "No ECO file was written, so the layout will not get the renames kept "
                        "from the pass that was cut short.\n\nPut the names back, so that "
                        "schematic and layout stay in step, or keep the renames without an ECO "
                        "file?");
                })) {
                settleWith(writer);
                return false;
            }
            mOutcome.done = RecoveryChoice::PutBack;
            mOutcome.staying.clear();
            return true;
        case host::EcoOutcome::Unknown:
        case host::EcoOutcome::NotDelivered:
            break;
        }
        tell(delivery.message + "\n\nThe renames stay in the schematic, and Sequate keeps their "
                                "journal: the next Run offers their ECO file again.");
        return false;
    }

    // The layout may hold the names `from` (it was handed their file) or still the names `to`.
    // A probe tells which, and only a layout at `from` is handed the renames to `to`: PowerPCB
    // applies a file whole or not at all. False, with the user told, when that is not known.
    bool followInLayout(const Names& from, const Names& to, JournalWriter& writer) {
        mActivity = "bringing the layout in step";
        const std::vector<Rename> renames = renamesBetween(from, to);
        // Nothing between the two: a layout that took the file would hold the names the
        // schematic has now, so either way it is in step.
        if (renames.empty())
            return true;
        const std::optional<EcoRows> probe = probeRows(from, to);
        if (!probe) {
            EcoRows rows = ecoRows(renames);
            rows.caption = "Save the ECO file for a layout that took the renames";
            const host::EcoDelivery offered = mPorts.eco.writeToChosenFile(rows);
            if (offered.outcome == host::EcoOutcome::NotDelivered) {
                tell(offered.message + "\n\nSequate keeps the journal and offers the file again "
                                       "at the next Run.");
                return false;
            }
            mLayoutNote = "\n\nThe layout may hold the renames of that pass: Sequate cannot tell, "
                          "since they only moved names among the components. If the layout in "
                          "PowerPCB has them, read into it the ECO file " +
                          std::string(offered.outcome == host::EcoOutcome::Cancelled
                                          ? "that puts them in step (none was saved now)."
                                          : "just saved.");
            return true;
        }
        const host::EcoDelivery probed = mPorts.eco.handToPowerPcb(*mState.application, *probe);
        if (!layoutHasIt(probed) && probed.refusedWhole) {
            mLayoutNote = "\n\nThe layout in PowerPCB was already in step with the schematic.";
            return true;
        }
        host::EcoDelivery delivery = probed;
        if (layoutHasIt(probed)) {
            EcoRows rows = ecoRows(renames);
            rows.beforeHandOver = [&](const std::string& path) {
                writer.markHandedOver(HandOver::Layout, path);
            };
            delivery = mPorts.eco.handToPowerPcb(*mState.application, rows);
            if (layoutHasIt(delivery)) {
                mLayoutNote = "\n\nThe layout in PowerPCB has taken the same renames.";
                return true;
            }
        }
        tell(delivery.message +
             "\n\nWhether the layout in PowerPCB is in step with the schematic is not known yet. "
             "Sequate keeps the journal: once PowerPCB runs with the layout open, the next Run "
             "brings the layout in step.");
        return false;
    }

    // Another journal that would take the names this one left for its own would have a later
    // Run act on them again.
    void setAsideOthersClaiming(const std::string& document) {
        if (mNamesLeft.empty())
            return;
        std::set<fs::path> leave = mState.settledJournals;
        leave.insert(mPath);
        try {
            if (const std::string told =
                    setAsideJournalsClaiming(mState.journalFolder, document, mNamesLeft, {}, leave);
                !told.empty())
                tell(told);
        } catch (const JournalError& error) {
            tell(error.what());
        }
    }

    void settleWith(JournalWriter& writer, const std::string& note = {},
                    MessageKind kind = MessageKind::Failure) {
        writer.settle();
        mSettled = true;
        if (!note.empty())
            tell(note.substr(note.find_first_not_of('\n')), kind);
    }

    std::string unsettled(const std::string& problem) const {
        return "Sequate could not settle the pass that was cut short while " + problem +
               " Its journal stays, so the next Run offers it again" +
               (mPutBackBegun ? "."
                              : "; there, \"Keep as it is\" leaves the names as they are now.");
    }

    // A journal that cannot be used is moved aside, not deleted: it may still help by hand.
    std::string setAside(const fs::path& path) {
        const fs::path aside = path.string() + ".set-aside";
        std::error_code error;
        fs::rename(path, aside, error);
        if (error)
            return " It could not be set aside: " + error.message() + ".";
        return " Sequate has set it aside as \"" + aside.string() +
               "\" and leaves the names as they are.";
    }

    // A put-back that completed, or renames kept that the layout took too, is an outcome the
    // user chose: the information icon.
    void tell(const std::string& message, MessageKind kind = MessageKind::Failure) {
        mOutcome.found = true;
        mOutcome.message += (mOutcome.message.empty() ? "" : "\n\n") + message;
        mTold.emplace_back(kind, message);
    }

    HostSession& mState;
    const PassPorts mPorts;
    const EcoDestination mEco;
    const std::optional<RecoveryChoice> mChoice;
    const bool mBeforeAPass;
    fs::path mPath;
    std::string mActivity = "looking for its journal";
    std::string mLayoutNote;
    Names mNamesLeft; // the names the recovery left, once it made its renames
    bool mPutBackBegun = false;
    bool mSettled = false; // the journal of this schematic was settled
    bool mAsked = false;   // the user was asked whether to put back or keep
    std::optional<PowerLogicPassLock> mPassLock;
    DocumentRead mRead;
    std::vector<std::pair<MessageKind, std::string>> mTold; // shown once PowerLogic is let go
    RecoveryOutcome mOutcome;
};

} // namespace

RecoveryOutcome recoverUnfinishedPass(HostSession& state, const PassPorts& ports,
                                      EcoDestination eco, std::optional<RecoveryChoice> choice,
                                      bool beforeAPass) {
    return Recovery(state, ports, eco, choice, beforeAPass).run();
}

} // namespace sequate::engine
