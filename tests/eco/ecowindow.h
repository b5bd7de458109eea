#pragma once

#include "eco/ecostep.h"
#include "engine/headlesswindow.h"
#include "fakeecoui.h"
#include "ui/ecotexts.h"

#include <string>

namespace sequate::eco::test {

// The ports without a display, with the ECO step of this library, as the real window's.
class EcoWindow : public engine::HeadlessWindow {
public:
    EcoWindow(host::RunningObjects& objects, std::string chosenFile)
        : step(objects, ui, ui::ecoProblemText) {
        ui.choice = std::move(chosenFile);
        useEcoStep(step);
    }

    FakeEcoUi ui;
    EcoStep step;
};

} // namespace sequate::eco::test
