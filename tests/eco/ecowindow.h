#pragma once

#include "eco/ecofiledialog.h"
#include "eco/layouthandoff.h"
#include "engine/headlesswindow.h"
#include "fakeecoui.h"

#include <string>

namespace sequate::eco::test {

// The ports without a display, the ECO step wired to this library as the real window's.
class EcoWindow : public engine::HeadlessWindow {
public:
    EcoWindow(host::RunningObjects& objects, std::string chosenFile) : mObjects(objects) {
        ui.choice = std::move(chosenFile);
    }

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override {
        ++fileDialogs;
        return eco::writeEcoFile(rows.oldNames(), rows.newNames(), ui, rows.beforeHandOver,
                                 rows.caption);
    }
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override {
        ++pcbHandOffs;
        const auto delivery = eco::sendEcoToLayout(powerLogic, mObjects, rows.oldNames(),
                                                   rows.newNames(), rows.beforeHandOver);
        handedOver = delivery.outcome == host::EcoOutcome::Delivered;
        return delivery;
    }
    std::string whyPowerPcbCannotTake() override { return eco::layoutUnreachable(mObjects); }

    FakeEcoUi ui;
    bool handedOver = false;

private:
    host::RunningObjects& mObjects;
};

} // namespace sequate::eco::test
