#pragma once

// The options the main window remembers between starts, per user: what the user chose and
// typed in the option panel, and where the window was. Nothing of a design: no path, no part
// name but the leave-alone text the user typed. Each value that cannot be read back (missing,
// damaged, or of a newer version) is left out, and the window keeps its start state for it.

#include "optionpanel.h"
#include "settingsstore.h"
#include "windowplace.h"

#include <optional>
#include <string>

namespace sequate::ui {

struct RememberedOptions {
    std::optional<engine::PassScope> scope; // none: neither start option was chosen
    std::optional<engine::TakenNamePolicy> policy;
    std::optional<std::string> startText; // as typed; Run refuses it if it no longer reads
    std::optional<bool> sendEco;
    std::optional<engine::EcoDestination> ecoOption; // chosen while the box is ticked
    std::optional<engine::WalkOrder> order;
    std::optional<std::string> leaveAloneText;
    std::optional<ScreenPoint> position; // the window frame's top left corner

    bool operator==(const RememberedOptions&) const = default;
};

RememberedOptions rememberedOptions(const OptionPanel& options, ScreenPoint position);

RememberedOptions readRememberedOptions(const SettingsStore& store);
void writeRememberedOptions(const RememberedOptions& remembered, SettingsStore& store);

// After start-up has set the panel up: the remembered choices are made through the panel's own
// clicks, so that what they enable and grey stays as a user's clicks would leave it.
void takeRememberedOptions(const RememberedOptions& remembered, OptionPanel& options);

} // namespace sequate::ui
