#include "ecostep.h"

#include "ecotext.h"
#include "layouthandoff.h"

namespace sequate::eco {

EcoStep::EcoStep(host::RunningObjects& objects, EcoUi& saveDialog)
    : mObjects(objects), mSaveDialog(&saveDialog) {}

EcoStep::EcoStep(host::RunningObjects& objects, std::string whyNoFile)
    : mObjects(objects), mWhyNoFile(std::move(whyNoFile)) {}

host::EcoDelivery EcoStep::writeToChosenFile(const engine::EcoRows& rows) {
    // Saying Delivered without a file would let a pass or a recovery believe the layout can
    // follow.
    if (!mSaveDialog)
        return {host::EcoOutcome::NotDelivered, mWhyNoFile};
    return noted(writeEcoFile(rows.oldNames(), rows.newNames(), *mSaveDialog, rows.beforeHandOver,
                              rows.caption),
                 rows);
}

host::EcoDelivery EcoStep::handToPowerPcb(host::LogicApplication& powerLogic,
                                          const engine::EcoRows& rows) {
    engine::EcoRows probe;
    probe.renames = rows.probe;
    return noted(sendEcoToLayout(powerLogic, mObjects, rows.oldNames(), rows.newNames(),
                                 rows.beforeHandOver,
                                 {probe.oldNames(), probe.newNames(), rows.refusalTells}),
                 rows);
}

std::string EcoStep::whyPowerPcbCannotTake() {
    return layoutUnreachable(mObjects);
}

host::EcoDelivery EcoStep::noted(host::EcoDelivery delivery, const engine::EcoRows& rows) {
    if (host::fileWentSomewhere(delivery.outcome))
        mLastWritten = ecoText(rows.oldNames(), rows.newNames());
    return delivery;
}

} // namespace sequate::eco
