#include "mainwindowlayout.h"

#include <stdexcept>

namespace sequate::ui {

namespace {

using C = Control;
using K = ControlKind;

constexpr ControlPlace controls[] = {
    {C::optionsFrame, K::Frame, "frmStart", "", {}, 0, 0, mainClientWidth, 2790},
    {C::allComponentsOption, K::Option, "optStart", "Sequate &all components", C::optionsFrame, 60,
     60, 2880, 300},
    {C::selectedComponentsOption, K::Option, "optSelected", "Sequate &selected components",
     C::optionsFrame, 60, 360, 2880, 300},
    {C::modeFrame, K::Frame, "frmMode", "", C::optionsFrame, 180, 720, 2760, 690},
    {C::assignNextFreeOption, K::Option, "optAssign", "Assign &next free names", C::modeFrame, 90,
     60, 2610, 270},
    {C::renameDuplicatesOption, K::Option, "optDuplicate", "Rename &duplicates", C::modeFrame, 90,
     345, 2610, 270},
    {C::startLabel, K::Label, "lblStartFrom", "S&tart from:", C::optionsFrame, 1680, 2430, 1050,
     270},
    {C::startBox, K::TextBox, "txtStart", "", C::optionsFrame, 2790, 2385, 1050, 330},
    // Under both frames, their labels ending where the start box's does, their boxes in line
    // with it and as wide as the row allows, for the longest entry and a few names.
    {C::orderLabel, K::Label, "lblOrder", "Num&bering order:", C::optionsFrame, 1080, 1575, 1650,
     270},
    {C::orderBox, K::ComboBox, "cboOrder", "", C::optionsFrame, 2790, 1545, 2820, 330},
    {C::leaveAloneLabel, K::Label, "lblLeaveAlone", "&Leave alone:", C::optionsFrame, 1080, 1965,
     1650, 270},
    {C::leaveAloneBox, K::TextBox, "txtLeaveAlone", "", C::optionsFrame, 2790, 1935, 2820, 330},
    {C::sendFrame, K::Frame, "frmSend", "", C::optionsFrame, 2970, 30, 2700, 1440},
    {C::sendEcoBox, K::CheckBox, "chkSend", "&Write ECO file for PowerPCB", C::sendFrame, 60, 60,
     2610, 300},
    {C::sendOptionsFrame, K::CaptionFrame, "frmSendOptions", "Options", C::sendFrame, 45, 390, 2610,
     990},
    {C::writeOnlyOption, K::Option, "optECO", "Write &only", C::sendOptionsFrame, 60, 300, 2505,
     270},
    {C::forceReadOption, K::Option, "optDirect", "Write and &force read in PCB",
     C::sendOptionsFrame, 60, 600, 2505, 270},
    {C::runButton, K::Button, "cmdRun", "&Run", {}, 90, 2355, 1350, 390},
    {C::endButton, K::Button, "cmdEnd", "&End", {}, 4260, 2355, 1350, 390},
    {C::progressBar, K::ProgressBar, "prgbarEdistys", "", {}, 0, 2895, mainClientWidth, 210},
    {C::accountLine, K::StatusText, "lblAccount", "", {}, 60, 3135, 5580, 510},
};

constexpr Control tabOrder[] = {
    C::allComponentsOption,
    C::selectedComponentsOption,
    C::assignNextFreeOption,
    C::renameDuplicatesOption,
    C::sendEcoBox,
    C::writeOnlyOption,
    C::forceReadOption,
    C::orderBox,
    C::leaveAloneBox,
    C::runButton,
    C::startBox,
    C::endButton,
};

using M = MenuItem;
constexpr MenuPlace menus[] = {
    {M::passMenu, "mnuPass", "&Pass", {}},
    {M::previewItem, "mnuPreview", "&Preview...", M::passMenu},
    {M::reportItem, "mnuReport", "Last pass &report...", M::passMenu},
    {M::putBackItem, "mnuPutBack", "Put &back the last pass...", M::passMenu},
    {M::helpMenu, "mnuHelp", "&Help", {}},
    {M::helpPageItem, "mnuHelpPage", "Sequate &Help...", M::helpMenu},
    {M::aboutItem, "mnuAbout", "&About...", M::helpMenu},
};

} // namespace

std::span<const ControlPlace> mainWindowControls() {
    return controls;
}

const ControlPlace& placeOf(Control control) {
    for (const ControlPlace& place : controls)
        if (place.control == control)
            return place;
    throw std::logic_error("a control without a place");
}

std::span<const Control> mainWindowTabOrder() {
    return tabOrder;
}

Control accessKeyTarget(Control control) {
    switch (control) {
    case Control::startLabel:
        return Control::startBox;
    case Control::orderLabel:
        return Control::orderBox;
    case Control::leaveAloneLabel:
        return Control::leaveAloneBox;
    default:
        return control;
    }
}

// The kinds of component a designer most often keeps, and one particular part.
const char* placeholderText(Control control) {
    return control == Control::leaveAloneBox ? "J*, TP*, MH*, U1" : "";
}

bool greyedDuringPass(const ControlPlace& place) {
    switch (place.kind) {
    case ControlKind::Option:
    case ControlKind::CheckBox:
    case ControlKind::Label:
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        return true;
    default:
        return place.control == Control::runButton;
    }
}

std::span<const MenuPlace> mainWindowMenus() {
    return menus;
}

} // namespace sequate::ui
