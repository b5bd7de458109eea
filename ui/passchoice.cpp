#include "passchoice.h"

#include "startnumber.h"

namespace sequate::ui {

using engine::PassScope;
using engine::TakenNamePolicy;

ChoiceOrRefusal choosePass(const OptionPanel& options) {
    const std::optional<PassScope> scope = options.scope();
    if (!scope)
        return {};
    const std::optional<std::int16_t> start = startNumberOf(options.startText());
    if (!start)
        return {std::nullopt, startRefusal(*scope)};
    PassChoice choice;
    choice.scope = *scope;
    choice.policy = options.policy();
    choice.start = *start;
    choice.eco = options.eco();
    return {choice, std::nullopt};
}

std::string describeMode(const PassChoice& choice) {
    if (choice.scope == PassScope::AllComponents)
        return "Sequate all components";
    switch (choice.policy) {
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
