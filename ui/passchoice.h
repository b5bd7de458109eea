#pragma once

// What the user asks of a pass, taken from the options once, when Run or Preview is pressed:
// the engine's PassRequest, made by the engine's one maker of it, or its refusal, worded here.

#include "dialogtexts.h"
#include "engine/passrequest.h"
#include "optionpanel.h"

#include <optional>
#include <string>

namespace sequate::ui {

using engine::PassRefusal;
using engine::PassRequest;
using engine::RequestOrRefusal;

// What the user pressed: the refusal of a pass without a start option names the button.
enum class PassButton { Run, Preview };

// Old program: the checks of cmdRun_Click, where Run did nothing and said nothing until a start
// option was chosen; now the refusal says which choice is missing.
RequestOrRefusal choosePass(const OptionPanel& options);

// The refusal as its box tells it. The start box's words are the old program's, which differ
// between the two scopes, with a second line that says what would be taken.
Message refusalMessage(const PassRefusal& refusal, PassButton pressed = PassButton::Run);
// The box whose text was refused: the keyboard goes there, its text selected for retyping.
std::optional<Control> boxToRetype(const PassRefusal& refusal);

// The mode and its option in the main window's own words.
std::string describeMode(const PassRequest& request);

} // namespace sequate::ui
