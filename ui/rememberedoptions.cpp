#include "rememberedoptions.h"

#include <array>
#include <charconv>
#include <utility>

namespace sequate::ui {

using engine::EcoDestination;
using engine::PassScope;
using engine::TakenNamePolicy;
using engine::WalkOrder;

namespace {

// The names written for each value; they stay as they are, or remembered options are lost.
template <typename Value, std::size_t count>
using Names = std::array<std::pair<Value, const char*>, count>;

constexpr Names<std::optional<PassScope>, 3> scopeNames{{
    {PassScope::AllComponents, "all"},
    {PassScope::SelectedComponents, "selected"},
    {std::nullopt, "none"},
}};
constexpr Names<TakenNamePolicy, 3> policyNames{{
    {TakenNamePolicy::None, "none"},
    {TakenNamePolicy::AssignNextFree, "assignNextFree"},
    {TakenNamePolicy::RenameDuplicates, "renameDuplicates"},
}};
constexpr Names<EcoDestination, 2> ecoOptionNames{{
    {EcoDestination::ChosenFile, "writeOnly"},
    {EcoDestination::PowerPcb, "forceRead"},
}};
constexpr Names<WalkOrder, 3> orderNames{{
    {WalkOrder::Standard, "standard"},
    {WalkOrder::AcrossThenDown, "acrossThenDown"},
    {WalkOrder::DownThenAcross, "downThenAcross"},
}};
constexpr Names<bool, 2> yesNoNames{{{true, "yes"}, {false, "no"}}};

template <typename Value, std::size_t count>
const char* nameOf(const Names<Value, count>& names, const Value& value) {
    for (const auto& [known, name] : names)
        if (known == value)
            return name;
    return "";
}

template <typename Value, std::size_t count>
std::optional<Value> valueNamed(const Names<Value, count>& names,
                                const std::optional<std::string>& name) {
    for (const auto& [value, known] : names)
        if (name == known)
            return value;
    return std::nullopt;
}

std::optional<int> number(const std::optional<std::string>& text) {
    int value = 0;
    if (!text || text->empty())
        return std::nullopt;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// Both window systems place windows in 16-bit coordinates: a place beyond them was never a
// window's, and sums of it with a window's size could pass the end of int.
std::optional<int> coordinate(const std::optional<std::string>& text) {
    constexpr int farthest = 32767;
    const std::optional<int> value = number(text);
    if (value && (*value < -farthest || *value > farthest))
        return std::nullopt;
    return value;
}

Control controlOf(PassScope scope) {
    return scope == PassScope::AllComponents ? Control::allComponentsOption
                                             : Control::selectedComponentsOption;
}

Control controlOf(EcoDestination option) {
    return option == EcoDestination::ChosenFile ? Control::writeOnlyOption
                                                : Control::forceReadOption;
}

} // namespace

RememberedOptions rememberedOptions(const OptionPanel& options, ScreenPoint position) {
    return {options.scope(),
            options.policy(),
            options.startText(),
            options.chosen(Control::sendEcoBox),
            options.chosen(Control::writeOnlyOption) ? EcoDestination::ChosenFile
                                                     : EcoDestination::PowerPcb,
            options.order(),
            options.leaveAloneText(),
            position};
}

RememberedOptions readRememberedOptions(const SettingsStore& store) {
    RememberedOptions remembered;
    remembered.scope = valueNamed(scopeNames, store.read("scope")).value_or(std::nullopt);
    remembered.policy = valueNamed(policyNames, store.read("policy"));
    remembered.startText = store.read("startText");
    remembered.sendEco = valueNamed(yesNoNames, store.read("sendEco"));
    remembered.ecoOption = valueNamed(ecoOptionNames, store.read("ecoOption"));
    remembered.order = valueNamed(orderNames, store.read("order"));
    remembered.leaveAloneText = store.read("leaveAlone");
    const std::optional<int> x = coordinate(store.read("windowX"));
    const std::optional<int> y = coordinate(store.read("windowY"));
    if (x && y)
        remembered.position = ScreenPoint{*x, *y};
    return remembered;
}

void writeRememberedOptions(const RememberedOptions& remembered, SettingsStore& store) {
    store.write("scope", nameOf(scopeNames, remembered.scope));
    if (remembered.policy)
        store.write("policy", nameOf(policyNames, *remembered.policy));
    if (remembered.startText)
        store.write("startText", *remembered.startText);
    if (remembered.sendEco)
        store.write("sendEco", nameOf(yesNoNames, *remembered.sendEco));
    if (remembered.ecoOption)
        store.write("ecoOption", nameOf(ecoOptionNames, *remembered.ecoOption));
    if (remembered.order)
        store.write("order", nameOf(orderNames, *remembered.order));
    if (remembered.leaveAloneText)
        store.write("leaveAlone", *remembered.leaveAloneText);
    if (remembered.position) {
        store.write("windowX", std::to_string(remembered.position->x));
        store.write("windowY", std::to_string(remembered.position->y));
    }
}

void takeRememberedOptions(const RememberedOptions& remembered, OptionPanel& options) {
    if (remembered.scope)
        options.click(controlOf(*remembered.scope));
    // A greyed mode option takes no click: outside the selected mode the policy stays none.
    if (remembered.policy == TakenNamePolicy::AssignNextFree)
        options.click(Control::assignNextFreeOption);
    if (remembered.policy == TakenNamePolicy::RenameDuplicates)
        options.click(Control::renameDuplicatesOption);
    if (remembered.startText)
        options.setStartText(*remembered.startText);
    // The ECO options take a click only while the box is ticked, as for the user.
    const bool ticked = options.chosen(Control::sendEcoBox);
    if (remembered.ecoOption) {
        if (!ticked)
            options.click(Control::sendEcoBox);
        options.click(controlOf(*remembered.ecoOption));
        if (!ticked)
            options.click(Control::sendEcoBox);
    }
    if (remembered.sendEco && *remembered.sendEco != ticked)
        options.click(Control::sendEcoBox);
    if (remembered.order)
        options.setOrder(*remembered.order);
    if (remembered.leaveAloneText)
        options.setLeaveAloneText(*remembered.leaveAloneText);
    // Start-up's rule still wins: a pass over every component is chosen anew at each start, as
    // after another document is opened, so that Run never renumbers a whole design unasked.
    options.clearAllComponents();
}

} // namespace sequate::ui
