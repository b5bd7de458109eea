#include "ecostep.h"

#include "ecotext.h"
#include "layouthandoff.h"

namespace sequate::eco {

EcoStep::EcoStep(host::RunningObjects& objects, EcoUi& saveDialog, EcoWords words)
    : mObjects(objects), mWords(words), mSaveDialog(&saveDialog) {}

EcoStep::EcoStep(host::RunningObjects& objects, std::string program, EcoWords words)
    : mObjects(objects), mWords(words), mProgram(std::move(program)) {}

host::EcoDelivery EcoStep::writeToChosenFile(const engine::EcoRows& rows) {
    // Saying Delivered without a file would let a pass or a recovery believe the layout can
    // follow.
    if (!mSaveDialog) {
        host::EcoDelivery none(host::EcoOutcome::NotDelivered);
        none.problem = {host::EcoNoFileGiven{mProgram}};
        return noted(none, rows);
    }
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
    const auto problem = layoutUnreachable(mObjects);
    return problem ? mWords(*problem) : std::string();
}

host::EcoDelivery EcoStep::noted(host::EcoDelivery delivery, const engine::EcoRows& rows) {
    if (delivery.problem)
        delivery.message = mWords(*delivery.problem);
    if (host::fileWentSomewhere(delivery.outcome))
        mLastWritten = ecoText(rows.oldNames(), rows.newNames());
    return delivery;
}

} // namespace sequate::eco
