#include "passchoice.h"

namespace sequate::ui {

using engine::PassScope;
using engine::TakenNamePolicy;

RequestOrRefusal choosePass(const OptionPanel& options) {
    const std::optional<PassScope> scope = options.scope();
    if (!scope)
        return {std::nullopt, PassRefusal{PassRefusal::Box::ScopeOptions, {}, {}}};
    return engine::requestPass(*scope, options.policy(), options.startText(), options.eco(),
                               options.order(), options.leaveAloneText());
}

Message refusalMessage(const PassRefusal& refusal, PassButton pressed) {
    switch (refusal.box) {
    case PassRefusal::Box::ScopeOptions:
        return noStartOption(pressed == PassButton::Run ? "press Run" : "choose Pass > Preview");
    case PassRefusal::Box::Start:
        return startRefusal(std::string(refusal.scope == PassScope::AllComponents
                                            ? "Illegal Value"
                                            : "Illegal value in Start textbox") +
                            "\nType a whole number from 1 to 32767.");
    case PassRefusal::Box::LeaveAlone:
        break;
    }
    return leaveAloneRefusal("\"" + refusal.entry +
                             "\" in Leave alone is neither a part name nor a letter code "
                             "followed by * (such as TP*). Letter codes are the capital letters "
                             "A to Z that begin a part name.");
}

std::optional<Control> boxToRetype(const PassRefusal& refusal) {
    switch (refusal.box) {
    case PassRefusal::Box::Start:
        return Control::startBox;
    case PassRefusal::Box::LeaveAlone:
        return Control::leaveAloneBox;
    case PassRefusal::Box::ScopeOptions:
        break;
    }
    return std::nullopt;
}

std::string describeMode(const PassRequest& request) {
    if (request.scope == PassScope::AllComponents)
        return "Sequate all components";
    switch (request.policy) {
    case TakenNamePolicy::AssignNextFree:
        return "Sequate selected components, Assign next free names";
    case TakenNamePolicy::RenameDuplicates:
        return "Sequate selected components, Rename duplicates";
    case TakenNamePolicy::None:
        break;
    }
    return "Sequate selected components";
}

} // namespace sequate::ui
