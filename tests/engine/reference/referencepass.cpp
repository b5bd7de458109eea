#include "referencepass.h"

#include "assignnext.h"
#include "engine/partname.h"
#include "engine/partnumber.h"
#include "engine/passstop.h"
#include "engine/unnamedreport.h"
#include "engine/workinglist.h"
#include "progress.h"
#include "renaming.h"
#include "siirratielta.h"
#include "sortbycoord.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace sequate::engine::reference {

namespace {

using ComponentPtr = std::shared_ptr<host::LogicComponent>;

constexpr int allComponentsMode = 0;

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
    for (const auto& [before, after] : undo.stillInEffect)
        text += "\n" + before + " to " + after;
    return text;
}

class NumberingPass {
public:
    NumberingPass(FormState& state, FormWindow& window, int mode)
        : mState(state), mWindow(window), mMode(mode) {}

    PassResult run() {
        try {
            runSteps();
        } catch (const RenameRefused& refused) {
            return stop(refused.what() + selectionHint(refused));
        } catch (const PassStop& problem) {
            return stop(problem.what());
        } catch (const host::HostFailure& failure) {
            return stop("The pass stopped while " + mActivity + ": " + describeFailure(failure) +
                        ".");
        } catch (const std::exception& problem) {
            return stop("The pass stopped while " + mActivity +
                        " because of an unexpected problem: " + problem.what() + ".");
        }
        return finish();
    }

private:
    void runSteps() {
        if (!mState.powerLogicApp || !mState.powerlogicdoc)
            throw PassStop("Sequate is not attached to a PowerLogic document: start-up did not "
                           "complete. Close Sequate and start it again once PowerLogic has a "
                           "project open.");
        mActivity = "starting the pass";
        mState.powerLogicApp->BeginPass();
        mBegun = true;
        mActivity = "choosing the components to work on";
        chooseList();
        mState.listPosition = 1;
        mActivity = "reading the names of the components";
        readAllNames(mState);
        if (!mWindow.optSelected()) {
            mActivity = "moving names out of the way";
            SiirraTielta(mState, mWindow, mJournal);
            mActivity = "reading the names of the components";
            readAllNames(mState);
        }
        mActivity = "reading which components are selected";
        readSelectedNames(mState);
        const bool goAhead = !(mState.selectedNames.empty() && !mWindow.optStart());
        mActivity = "choosing the components to work on";
        chooseList();
        if (goAhead) {
            mActivity = "setting up the progress bar";
            AlustaProgressBar(mState, mWindow);
        }
        const std::int64_t count = mState.workList->Count();
        if (goAhead)
            walk(count);
    }

    void chooseList() {
        WorkList chosen = chooseWorkList(*mState.powerlogicdoc);
        mState.workList = std::move(chosen.list);
        mWorkListIsSelection = chosen.selection;
    }

    void walk(std::int64_t count) {
        for (bool first = true; mState.listPosition < count + 1; ++mState.listPosition) {
            ComponentPtr component = pick(first);
            if (!component)
                break;
            first = false;
            mState.currentComponent = component;
            mActivity = "reading the name of a component";
            mState.currentName = component->Name();
            mActivity = "numbering " + mState.currentName;
            const std::string code = letterCode(mState.currentName);
            mState.codeOffset = mUsed[code];
            if (mMode == allComponentsMode)
                nameInListOrder();
            else
                nameSelected();
            mUsed[code] = mState.codeOffset;
            if (mWindow.optSelected() &&
                mState.selectedDone >= static_cast<std::int64_t>(mState.selectedNames.size()))
                mState.listPosition = count + 1;
            stepProgress(mWindow.prgbarEdistys());
        }
    }

    // The component of this iteration; none when the selected rows are all done.
    ComponentPtr pick(bool first) {
        const auto index = static_cast<std::size_t>(mState.listPosition - 1);
        if (mMode == allComponentsMode)
            return findInList(index);
        if (!first && index >= mRows.size())
            return nullptr;
        mActivity = "choosing the components to work on";
        chooseList();
        if (first) {
            mActivity = "ordering the selected components by position";
            mRows = SortByCoord(mState);
        }
        return index < mRows.size() ? mRows[index] : nullptr;
    }

    ComponentPtr findInList(std::size_t index) {
        if (index >= mState.allNames.size())
            throw PassStop("The list of components grew during the pass.");
        const std::string& name = mState.allNames[index];
        mActivity = "looking for " + name;
        ComponentPtr component = mState.workList->Item(name);
        if (!component)
            throw PassStop("The component " + name + " could not be found in the schematic.");
        return component;
    }

    void nameInListOrder() {
        const std::string name = mState.currentName;
        if (!endsInLetter(name))
            rename(mState.currentComponent, name, candidate());
        else
            mState.unnamedNames.push_back(name);
        ++mState.codeOffset;
    }

    void nameSelected() {
        const ComponentPtr component = mState.currentComponent;
        const std::string name = mState.currentName;
        if (endsInLetter(name)) {
            ++mState.codeOffset;
            ++mState.selectedDone;
            mState.unnamedNames.push_back(name);
            return;
        }
        if (component->Selected()) {
            ++mState.selectedDone;
            if (mWindow.optAssign())
                assignFreeName(component, name);
        }
        if (component->Selected() && mWindow.optDuplicate())
            takeNameFromHolder(component, name);
    }

    // "Assign next free names": a taken candidate gives way to the next free name.
    void assignFreeName(const ComponentPtr& component, const std::string& name) {
        const std::string wanted = candidate();
        if (CheckAll(wanted)) {
            mActivity = "looking for a free name for " + name;
            rename(component, name, nextFreeName(mState, everyComponent(), wanted, name, false));
        } else {
            rename(component, name, wanted);
        }
        ++mState.codeOffset;
    }

    // "Rename duplicates": the component that carries the candidate moves to a free name.
    void takeNameFromHolder(const ComponentPtr& component, const std::string& name) {
        const std::string wanted = candidate();
        const bool taken = CheckAll(wanted);
        if (taken && name != wanted) {
            mState.duplicateComponent = everyComponent().Item(wanted);
            if (!mState.duplicateComponent)
                throw PassStop("The component " + wanted + " could not be found in the schematic.");
            mActivity = "looking for a free name for " + wanted;
            const std::string moved = nextFreeName(mState, everyComponent(), wanted, wanted, true);
            rename(mState.duplicateComponent, wanted, moved);
            rename(component, name, wanted);
        } else if (!taken) {
            rename(component, name, wanted);
        }
        ++mState.codeOffset;
    }

    // The current letter code followed by the start number plus the numbers used so far.
    std::string candidate() {
        const std::int64_t number = startNumber(mWindow) + mState.codeOffset;
        return withNumber(mState.currentName,
                          checkedPartNumber(number, "The new name for " + mState.currentName),
                          mState.numberMissing);
    }

    bool CheckAll(const std::string& name) { return everyComponent().Item(name) != nullptr; }

    // A name is taken when any component of the document carries it, selected or not.
    host::LogicObjects& everyComponent() {
        if (!mWorkListIsSelection)
            return *mState.workList;
        if (!mEveryComponent)
            mEveryComponent = mState.powerlogicdoc->ComponentSet()->Objects();
        return *mEveryComponent;
    }

    void rename(const ComponentPtr& component, const std::string& present,
                const std::string& newName) {
        renameComponent(mState, mJournal, component, present, newName);
    }

    // With two or more components selected, a pass over all components works on the
    // selection only, and a name outside it is taken: say how to number everything.
    std::string selectionHint(const RenameRefused& refused) {
        if (mMode != allComponentsMode || !mWorkListIsSelection ||
            refused.code() != host::HostCode::RenameRefused)
            return {};
        try {
            if (mState.workList->Item(refused.wantedName()) ||
                !mState.powerlogicdoc->ComponentSet()->Objects()->Item(refused.wantedName()))
                return {};
        } catch (const host::HostFailure&) {
            return {};
        }
        return "\n\nTwo or more components are selected, so the pass numbers only the "
               "selected components, and " +
               refused.wantedName() +
               " belongs to a component outside the selection. To number every component, "
               "select one component or none and press Run again.";
    }

    PassResult finish() {
        PassResult result;
        result.completed = true;
        const std::size_t records = std::min(mState.oldNames.size(), mState.newNames.size());
        for (std::size_t i = 0; i < records; ++i)
            result.renames.emplace_back(mState.oldNames[i], mState.newNames[i]);
        result.unnamed = mState.unnamedNames;
        if (!mState.unnamedNames.empty())
            showUnnamedReport(mState, mWindow);
        writeEco();
        closePass();
        return result;
    }

    void writeEco() {
        try {
            if (!mWindow.chkSend())
                return;
            if (mWindow.optECO())
                mWindow.ShowFileDialog(mState);
            if (mWindow.optDirect())
                mWindow.AlsoInPCB(mState);
        } catch (const std::exception& problem) {
            ecoFailed(problem.what());
        } catch (...) {
            ecoFailed("an unexpected problem");
        }
    }

    // The schematic's renames are done by now: the pass still closes as usual.
    void ecoFailed(const std::string& reason) {
        mWindow.showMessage(MessageStyle::Critical, "Sequate",
                            "The ECO file could not be written: " + reason +
                                ".\n\nThe renames in the schematic stay.");
    }

    PassResult stop(const std::string& problem) {
        const std::size_t made = mJournal.size();
        UndoReport undo = mJournal.undo();
        PassResult result;
        result.stopMessage = problem + "\n\n" + undoText(undo, made);
        result.renames = std::move(undo.stillInEffect);
        mWindow.showMessage(MessageStyle::Critical, "Sequate", result.stopMessage);
        closePass();
        return result;
    }

    void closePass() {
        mState.clearPassTables();
        if (mBegun) {
            try {
                mState.powerLogicApp->EndPass();
            } catch (const host::HostFailure& failure) {
                mWindow.showMessage(
                    MessageStyle::Critical, "Sequate",
                    "PowerLogic could not end the pass: " + describeFailure(failure) + ".");
            }
        }
        mWindow.prgbarEdistys().setValue(0);
    }

    FormState& mState;
    FormWindow& mWindow;
    const int mMode;
    PassJournal mJournal;
    std::unordered_map<std::string, std::int64_t> mUsed; // numbers used, per letter code
    std::vector<ComponentPtr> mRows;                     // selected mode, in walk order
    bool mWorkListIsSelection = false;
    std::shared_ptr<host::LogicObjects> mEveryComponent;
    bool mBegun = false;
    std::string mActivity;
};

} // namespace

void readAllNames(FormState& state) {
    state.allNames.clear();
    // The count is asked again before every item, as the host may change the list's length.
    for (std::int32_t i = 1; i <= state.workList->Count(); ++i)
        state.allNames.push_back(state.workList->Item(i)->Value());
}

void readSelectedNames(FormState& state) {
    state.selectedNames.clear();
    // Item 1 is asked for before the count: an empty list fails here, in the host.
    std::int32_t i = 1;
    do {
        auto component = state.workList->Item(i);
        if (component->Selected())
            state.selectedNames.push_back(component->Name());
        ++i;
    } while (i <= state.workList->Count());
}

PassResult referencePass(FormState& state, FormWindow& window, int mode) {
    return NumberingPass(state, window, mode).run();
}

} // namespace sequate::engine::reference
