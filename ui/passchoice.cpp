#include "passchoice.h"

namespace sequate::ui {

using engine::PassScope;
using engine::TakenNamePolicy;

RequestOrRefusal choosePass(const OptionPanel& options, PassButton pressed) {
    const std::optional<PassScope> scope = options.scope();
    if (!scope)
        return {std::nullopt,
                noStartOption(pressed == PassButton::Run ? "press Run" : "choose Pass > Preview"),
                std::nullopt};
    engine::RequestOrRefusal made =
        engine::requestPass(*scope, options.policy(), options.startText(), options.eco(),
                            options.order(), options.leaveAloneText());
    if (!made.request) {
        // The start is checked first: with a start that reads, the leave-alone text was refused.
        if (engine::startNumber(options.startText()))
            return {std::nullopt, leaveAloneRefusal(made.refusal), Control::leaveAloneBox};
        return {std::nullopt, startRefusal(made.refusal), Control::startBox};
    }
    return {made.request, std::nullopt, std::nullopt};
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
