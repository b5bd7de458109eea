#include "optionpanel.h"

namespace sequate::ui {

using engine::EcoDestination;
using engine::PassScope;
using engine::TakenNamePolicy;

void OptionPanel::click(Control control) {
    // A greyed control takes no click, whichever view passes one on.
    if (!enabled(control))
        return;
    switch (control) {
    case Control::allComponentsOption:
        // The mode options mean nothing for a pass over every component.
        mScope = PassScope::AllComponents;
        mPolicy = TakenNamePolicy::None;
        mModeEnabled = false;
        mStartBoxEnabled = true;
        break;
    case Control::selectedComponentsOption:
        // "Assign next free names" is the default of a pass over the selection.
        mScope = PassScope::SelectedComponents;
        mPolicy = TakenNamePolicy::AssignNextFree;
        mModeEnabled = true;
        mStartBoxEnabled = true;
        break;
    case Control::assignNextFreeOption:
        mPolicy = TakenNamePolicy::AssignNextFree;
        break;
    case Control::renameDuplicatesOption:
        mPolicy = TakenNamePolicy::RenameDuplicates;
        break;
    case Control::sendEcoBox:
        // The old program flipped the ECO options' enabled state rather than following the
        // box; as both start disabled with the box clear, that is the same. Their choice
        // stays as it was.
        mSendEco = !mSendEco;
        break;
    case Control::writeOnlyOption:
        mEcoOption = EcoDestination::ChosenFile;
        break;
    case Control::forceReadOption:
        mEcoOption = EcoDestination::PowerPcb;
        break;
    default:
        break;
    }
}

void OptionPanel::clearAllComponents() {
    if (mScope == PassScope::AllComponents)
        mScope.reset();
}

bool OptionPanel::enabled(Control control) const {
    switch (control) {
    case Control::assignNextFreeOption:
    case Control::renameDuplicatesOption:
        return mModeEnabled;
    // Labels are greyed with their boxes, whose access keys they carry. The order and the
    // components left alone mean something for either scope, as the start does.
    case Control::startLabel:
    case Control::startBox:
    case Control::orderLabel:
    case Control::orderBox:
    case Control::leaveAloneLabel:
    case Control::leaveAloneBox:
        return mStartBoxEnabled;
    case Control::writeOnlyOption:
    case Control::forceReadOption:
        return mSendEco;
    default:
        return true;
    }
}

bool OptionPanel::chosen(Control control) const {
    switch (control) {
    case Control::allComponentsOption:
        return mScope == PassScope::AllComponents;
    case Control::selectedComponentsOption:
        return mScope == PassScope::SelectedComponents;
    case Control::assignNextFreeOption:
        return mPolicy == TakenNamePolicy::AssignNextFree;
    case Control::renameDuplicatesOption:
        return mPolicy == TakenNamePolicy::RenameDuplicates;
    case Control::sendEcoBox:
        return mSendEco;
    case Control::writeOnlyOption:
        return mEcoOption == EcoDestination::ChosenFile;
    case Control::forceReadOption:
        return mEcoOption == EcoDestination::PowerPcb;
    default:
        return false;
    }
}

const std::string& OptionPanel::text(Control box) const {
    return box == Control::leaveAloneBox ? mLeaveAloneText : mStartText;
}

std::array<const char*, walkOrderCount> walkOrderEntries(std::optional<PassScope> scope) {
    return {scope == PassScope::SelectedComponents ? "By position" : "As PowerLogic lists them",
            "Across, then down", "Down, then across"};
}

EcoDestination OptionPanel::eco() const {
    if (!mSendEco)
        return EcoDestination::None;
    return mEcoOption;
}

} // namespace sequate::ui
