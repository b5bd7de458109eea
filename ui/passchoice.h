#pragma once

// What the user asks of a pass, taken from the options once, when Run or Preview is pressed.
// The engine is given this value, not the controls.

#include "dialogtexts.h"
#include "engine/passoptions.h"
#include "optionpanel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sequate::ui {

struct PassChoice {
    engine::PassScope scope = engine::PassScope::AllComponents;
    // None for a pass over every component: choosing it clears the mode options.
    engine::TakenNamePolicy policy = engine::TakenNamePolicy::None;
    std::int16_t start = 1;
    std::optional<EcoTarget> eco; // nothing: no ECO file
};

struct ChoiceOrRefusal {
    std::optional<PassChoice> choice;
    std::optional<Message> refusal; // the start box cannot be used
};

// Neither when no start option is chosen: then Run does nothing and says nothing. Old
// program: the checks of cmdRun_Click.
ChoiceOrRefusal choosePass(const OptionPanel& options);

// The mode and its option in the main window's own words.
std::string describeMode(const PassChoice& choice);

} // namespace sequate::ui
