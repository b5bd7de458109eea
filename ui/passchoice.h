#pragma once

// What the user asks of a pass, taken from the options once, when Run or Preview is pressed:
// the engine's PassRequest, made by the engine's one maker of it.

#include "dialogtexts.h"
#include "engine/passrequest.h"
#include "optionpanel.h"

#include <optional>
#include <string>

namespace sequate::ui {

using engine::PassRequest;

struct RequestOrRefusal {
    std::optional<PassRequest> request;
    std::optional<Message> refusal; // the start box cannot be used
};

// Neither when no start option is chosen: then Run does nothing and says nothing. Old
// program: the checks of cmdRun_Click.
RequestOrRefusal choosePass(const OptionPanel& options);

// The mode and its option in the main window's own words.
std::string describeMode(const PassRequest& request);

} // namespace sequate::ui
